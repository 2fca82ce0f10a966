// Undo: the snapshot of the stored blocks comes back byte for byte, however much has changed since.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "game/game_state.h"
#include "game/moves.h"
#include "game/undo.h"
#include "platform/chrome.h"
#include "platform/store.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

namespace {

struct StoredBlocks {
    CoreBlock core;
    PlayerRecord players[4];
    BoardSlot board[16];
    PendingMove pendingMove;
};

StoredBlocks storedBlocks() {
    StoredBlocks b;
    std::memcpy(&b.core, &game.core, sizeof b.core);
    std::memcpy(b.players, game.players, sizeof b.players);
    std::memcpy(b.board, game.board, sizeof b.board);
    std::memcpy(&b.pendingMove, &game.pendingMove, sizeof b.pendingMove);
    return b;
}

void expectSameBytes(const StoredBlocks& a, const StoredBlocks& b) {
    EXPECT_EQ(std::memcmp(&a.core, &b.core, sizeof a.core), 0) << "core block";
    EXPECT_EQ(std::memcmp(a.players, b.players, sizeof a.players), 0) << "players";
    EXPECT_EQ(std::memcmp(a.board, b.board, sizeof a.board), 0) << "board";
    EXPECT_EQ(std::memcmp(&a.pendingMove, &b.pendingMove, sizeof a.pendingMove), 0) << "pending move";
}

// An Undo saves the game: keep the settings store in a folder of the test's own.
class GameUndo : public testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / "rendaro-undo-test";
        setStoreRoot(folder.string());
    }
    void TearDown() override {
        setStoreRoot("");
        std::filesystem::remove_all(folder);
    }
    std::filesystem::path folder;
};

}  // namespace

TEST_F(GameUndo, RestoresTheRollAfterMovesCapturesAndOptionChanges) {
    startPosition(FlagPartners | FlagOnePlayer | FlagPlaySounds | FlagNormal);
    game.players[1].kind = game.players[3].kind = Computer;
    game.core.gamesPlayed = 5;
    place(0, 0, 5);
    placeOn(1, 0, 8);
    placeOn(3, 2, 30);
    // A human rolled a six and a 3.
    setDice(3, 1);
    setTurnState(Playing);
    game.pendingMove.dieIndex = 0;
    takeUndoSnapshot();
    const StoredBlocks atRoll = storedBlocks();

    // The human captures, the computer moves, an option changes, a game is counted.
    playMove(moveOf(0, 0), None, 3, false);
    ASSERT_EQ(progressOf(1, 0), 0);
    game.core.currentPlayer = 1;
    playMove(moveOf(3, 2), None, 4, false);
    setFlag(FlagNormal, false);
    setDice(5, 0, 0, true);
    game.core.gamesPlayed = 6;
    game.moveKind = 3;
    enableMenuButton(CmdUndo, true);

    undoMove();
    expectSameBytes(storedBlocks(), atRoll);
    EXPECT_EQ(progressOf(1, 0), progressOn(1, 8));
    EXPECT_EQ(sixesRolled(), 1);
    EXPECT_EQ(lastDie(), 3);
    EXPECT_TRUE(flag(FlagNormal));
    EXPECT_EQ(game.moveKind, 3);  // the pair-move choice is not part of the snapshot
    EXPECT_FALSE(menuButtonEnabled(CmdUndo));
    expectBoardInvariants();

    // The snapshot survives an Undo: the same roll can be taken back again.
    playMove(moveOf(0, 0), None, 6, false);
    undoMove();
    expectSameBytes(storedBlocks(), atRoll);
}
