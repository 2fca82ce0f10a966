// Undo: the snapshot of the stored blocks comes back byte for byte, however much has changed since.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/moves.h"
#include "game/undo.h"
#include "platform/chrome/chrome.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"
#include "tests/persist_fixture.h"

// An Undo saves the game: the saved-game bench keeps the program folder and store in a scratch folder.
using GameUndo = PersistTest;

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
    const GameState atRoll = game;

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
    EXPECT_TRUE(sameStoredBlocks(game, atRoll));
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
    EXPECT_TRUE(sameStoredBlocks(game, atRoll));
}
