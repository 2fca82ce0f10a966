// Records whose checksum holds but whose fields no game can reach are refused; real ones are not.
#include <gtest/gtest.h>

#include <functional>

#include "persist/savefile.h"
#include "tests/game_positions.h"

namespace {

struct NamedPosition {
    const char* name;
    std::function<void()> build;
};

bool packedGameIsWellFormed() {
    packRecord();
    return recordIsWellFormed(saveBuffer);
}

BoardSlot& slotHolding(uint8_t colour, uint8_t token) { return game.board[game.players[colour].slot[token]]; }

uint8_t firstFreeSlot() {
    for (uint8_t i = 0; i < 16; ++i)
        if (game.board[i].square == None) return i;
    return None;
}

// Colour 0 to pick: a pair of its own on the track, a partner token further on, and the turn's
// dice 6, 6, 3 with one six played, so die 1 is selected; the tapped partner token was refused.
void basePosition() {
    setUpPosition(true);
    placeToken(0, 0, 10);
    placeToken(0, 1, 10);
    placeToken(2, 3, 20);
    setTurn(PickToken, 3, 2, 1, false);
    game.pendingMove = PendingMove{1, 2, 3, None, None};
}

// The line-up of a short game against the computer, nothing pending.
void shortGameLineUp() {
    setFlag(FlagPartners, false);
    game.players[1].kind = game.players[3].kind = Absent;
    game.players[2].kind = Computer;
    game.pendingMove = PendingMove{1, None, None, None, None};
}

// Takes colour 0's token 1 out of the pair's mask, leaving it named by nothing but its own slot.
void dropFromPair() {
    BoardSlot& pair = slotHolding(0, 1);
    pair.tokenMask = static_cast<uint16_t>(pair.tokenMask & ~0x2);
    pair.count = 1;
}

void makeGameWon() {
    for (uint8_t colour : {0, 2})
        for (uint8_t token = 0; token < 4; ++token) placeToken(colour, token, ProgressHome);
    placeToken(1, 0, 30);
    setTurn(GameOver, 5, 1, 1, true);
    clearPendingMove();
}

}  // namespace

// clang-format off
TEST(PersistValidation, PositionsThatPlayProducesAreAccepted) {
    const NamedPosition positions[] = {
        {"a new partners game", [] { setUpPosition(true); }},
        {"a new short game with Quick Start", [] { setUpPosition(false); placeToken(0, 0, 1); placeToken(2, 0, 1); }},
        {"a human after one six", [] { setUpPosition(true); setTurn(AwaitRoll, 6, 1, 0, false); game.pendingMove.dieIndex = 0; }},
        {"a computer to roll after two sixes", [] { setUpPosition(true); game.core.currentPlayer = 3; setTurn(Rolling, 6, 2, 0, false); }},
        {"the computer on every colour", [] { setUpPosition(true); for (PlayerRecord& p : game.players) p.kind = Computer; }},
        {"a Hard computer", [] { setUpPosition(true); setDifficulty(Difficulty::Hard); }},
        {"Hard without Normal's bit", [] { setUpPosition(true); setFlag(FlagHard, true); setFlag(FlagNormal, false); }},
        {"a pick with one six played", basePosition},
        {"the last die selected, both sixes played", [] { basePosition(); setTurn(PickToken, 3, 2, 2, false); game.pendingMove = PendingMove{2, None, None, None, None}; }},
        {"a six left after the final roll", [] { basePosition(); setTurn(PickToken, 4, 1, 0, true); game.pendingMove = PendingMove{0, 0, 1, None, None}; }},
        {"the choose panel for a pair", [] { basePosition(); setTurn(PickMove, 4, 0, 0, false); game.pendingMove = PendingMove{0, 0, 0, None, None}; }},
        {"an undo back to the roll", [] { basePosition(); setTurn(Playing, 2, 1, 0, false); game.pendingMove = PendingMove{0, None, None, None, None}; }},
        {"a won game", [] { setUpPosition(true); makeGameWon(); }},
        {"freed slots with stale counts", [] { basePosition(); placeToken(2, 3, 21); placeToken(0, 1, 11); game.board[15] = BoardSlot{None, 3, 0x0F0F}; }},
    };
    for (const NamedPosition& position : positions) {
        position.build();
        EXPECT_TRUE(packedGameIsWellFormed()) << position.name;
    }
}

TEST(PersistValidation, ValuesOutOfRangeOrContradictingEachOtherAreRefused) {
    const NamedPosition positions[] = {
        // The core block and the line-up.
        {"current player above 3", [] { game.core.currentPlayer = 4; }},
        {"the turn of an absent colour", [] { shortGameLineUp(); game.core.currentPlayer = 1; }},
        {"a kind of 0", [] { game.players[1].kind = 0; }},
        {"a kind of 3", [] { game.players[3].kind = 3; }},
        {"an absent colour in a partners game", [] { game.players[1].kind = Absent; }},
        {"a computer colour out of play", [] { shortGameLineUp(); game.players[3].kind = Computer; }},
        {"an absent colour's token out of its yard", [] { shortGameLineUp(); placeToken(1, 0, 3); }},
        {"turn state 6", [] { setTurnState(static_cast<TurnState>(6)); }},
        // Tokens and board slots.
        {"progress above 48", [] { placeToken(2, 3, ProgressHome); game.players[2].progress[3] = 49; }},
        {"a slot index above 15", [] { game.players[2].slot[3] = 16; }},
        {"a square above 61", [] { slotHolding(2, 3).square = 62; }},
        {"a token in a free slot", [] { game.players[2].slot[3] = firstFreeSlot(); }},
        {"a token missing from its slot's mask", dropFromPair},
        {"a token off the square of its progress", [] { game.players[2].progress[3] = 21; }},
        {"a count that is not the mask's", [] { slotHolding(0, 0).count = 3; }},
        {"a live slot with no tokens", [] { game.board[firstFreeSlot()] = BoardSlot{30, 0, 0}; }},
        {"two live slots on one square", [] { const uint8_t square = slotHolding(0, 1).square, other = firstFreeSlot(); dropFromPair();
                                              game.board[other] = BoardSlot{square, 1, 0x2}; game.players[0].slot[1] = other; }},
        {"a token in two slots", [] { slotHolding(2, 3).tokenMask |= 0x1; slotHolding(2, 3).count = 2; }},
        // The dice of the turn.
        {"more sixes played than rolled", [] { setTurn(PickToken, 3, 1, 2, false); }},
        {"sixes rolled without a die value", [] { setTurn(AwaitRoll, 0, 1, 0, false); game.pendingMove = PendingMove{0, None, None, None, None}; }},
        {"a pick before any roll", [] { setTurn(PickToken, 0, 0, 0, false); }},
        {"a six as the final roll", [] { setTurn(PickToken, 6, 1, 0, false); }},
        {"a die value of 7", [] { setTurn(AwaitRoll, 7, 1, 0, false); clearPendingMove(); }},
        {"a third six while the game goes on", [] { setTurn(AwaitRoll, 6, 3, 2, true); clearPendingMove(); }},
        {"a die played while the roll is awaited", [] { setTurn(AwaitRoll, 6, 1, 1, false); clearPendingMove(); }},
        {"a final roll while the roll is awaited", [] { setTurn(Rolling, 4, 0, 0, false); clearPendingMove(); }},
        {"all dice played while a pick is awaited", [] { setTurn(PickToken, 3, 2, 2, true); }},
        {"a game over with a die unplayed", [] { makeGameWon(); setTurn(GameOver, 4, 1, 0, true); }},
        // The pending move.
        {"die index 3", [] { game.pendingMove.dieIndex = 3; }},
        {"die index 254 while the roll is awaited", [] { setTurn(AwaitRoll, 0, 0, 0, false); clearPendingMove(); game.pendingMove.dieIndex = 254; }},
        {"no die selected for a pick", [] { game.pendingMove.dieIndex = None; }},
        {"a played die selected", [] { game.pendingMove.dieIndex = 0; }},
        {"a die beyond the turn's dice selected", [] { setTurn(PickToken, 3, 0, 0, false); game.pendingMove.dieIndex = 1; }},
        {"colour 4", [] { game.pendingMove.player = 4; }},
        {"token 4", [] { game.pendingMove.token = 4; }},
        {"a token without its colour", [] { game.pendingMove.player = None; }},
        {"a second colour without its token", [] { game.pendingMove.player2 = 0; }},
        {"a second token without a first", [] { game.pendingMove = PendingMove{1, None, None, 0, 1}; }},
        {"a token of the other side", [] { game.pendingMove.player = 1; }},
        {"a second token of the other side", [] { game.pendingMove.player2 = 3; game.pendingMove.token2 = 0; }},
        {"the choose panel without a token", [] { setTurnState(PickMove); game.pendingMove.player = game.pendingMove.token = None; }},
    };
    for (const NamedPosition& position : positions) {
        basePosition();
        ASSERT_TRUE(packedGameIsWellFormed());
        position.build();
        EXPECT_FALSE(packedGameIsWellFormed()) << position.name;
    }
}
// clang-format on
