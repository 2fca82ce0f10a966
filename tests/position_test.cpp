// The position functions as tables: what the rules allow, and what a move reports, in order.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "ai/move_list.h"
#include "game/position.h"
#include "persist/savefile.h"
#include "tests/game_positions.h"

namespace {

// A position from its tokens (as arrangeWords takes them, "-" for none) and its dice: the final roll,
// the sixes rolled, and the words "played" (the final roll is) and "animated" (tokens walk square by square).
Position arranged(const std::string& tokens, const std::string& diceWords) {
    std::istringstream dice(diceWords);
    unsigned last = 0, sixes = 0;
    dice >> last >> sixes;
    uint32_t flags = 0;
    bool played = false;
    for (std::string word; dice >> word;) {
        if (word == "played") played = true;
        else if (word == "animated") flags = FlagAnimateTokens;
        else ADD_FAILURE() << "not a word of the dice: " << word;
    }
    arrangeWords(tokens == "-" ? "" : tokens, flags);
    setRolledDice(game, uint8_t(sixes), uint8_t(last));
    setLastDieUsed(game, played);
    return game;
}

// A letter an event: Y a yard exit, S a step forward, B a step back, H home, C a capture, W won.
std::string letters(const MoveEvents& events) {
    std::string out;
    for (uint16_t i = 0; i < events.count; ++i) {
        const MoveEvent& e = events.list[i];
        switch (e.kind) {
        case MoveEventKind::YardExit: out += 'Y'; break;
        case MoveEventKind::Step: out += e.steps > 0 ? 'S' : 'B'; break;
        case MoveEventKind::Home: out += 'H'; break;
        case MoveEventKind::Capture: out += 'C'; break;
        case MoveEventKind::Won: out += 'W'; break;
        }
    }
    return out;
}

// A table row's move: die, colour, token, the pair's colour and token, "-" for None.
Move moveOf(const std::string& text) {
    std::istringstream fields(text);
    uint8_t bytes[5];
    for (uint8_t& byte : bytes) {
        std::string field;
        fields >> field;
        byte = field == "-" ? None : uint8_t(std::stoi(field));
    }
    return Move{bytes[0], bytes[1], bytes[2], bytes[3], bytes[4]};
}

bool listed(const Position& pos, const Move& move) {
    MoveList list;
    listMoves(pos, list);
    for (uint8_t k = 0; k < list.count; ++k)
        if (std::memcmp(&list.moves[k].move, &move, sizeof move) == 0) return true;
    return false;
}

}  // namespace

TEST(Position, WhatTheRulesAllow) {
    for (const auto& row : tableRows("allowed_moves.txt")) {
        const std::string& what = row.at(0);
        const Move move = moveOf(row.at(3));
        const bool allowed = row.at(4) == "allowed";
        Position pos = arranged(row.at(1), row.at(2));
        EXPECT_EQ(moveAllowed(pos, move), allowed) << what;
        EXPECT_EQ(listed(pos, move), allowed) << what;
        const Position before = pos;
        MoveEvents events;
        EXPECT_EQ(applyMove(pos, move, events), allowed) << what;
        EXPECT_TRUE(allowed || std::memcmp(&pos, &before, sizeof pos) == 0) << what << ": refused, yet changed";
    }
}

TEST(Position, WhatAMoveReportsInOrder) {
    for (const auto& row : tableRows("move_events.txt")) {
        const std::string& what = row.at(0);
        const Position before = arranged(row.at(1), row.at(2));
        Position pos = before;
        MoveEvents events;
        ASSERT_TRUE(applyMove(pos, moveOf(row.at(3)), events)) << what;
        EXPECT_EQ(letters(events), row.at(4)) << what;
        unsigned colour = 0, token = 0, progress = 0;
        std::istringstream(row.at(5)) >> colour >> token >> progress;
        EXPECT_EQ(progressOf(pos, uint8_t(colour), uint8_t(token)), progress) << what;
        // Replaying the steps walks the position before the move to the one after it.
        Position replayed = before;
        for (uint16_t i = 0; i < events.count; ++i)
            if (events.list[i].kind == MoveEventKind::Step) replayStep(replayed, events.list[i]);
        EXPECT_EQ(std::memcmp(replayed.board, pos.board, sizeof pos.board), 0) << what;
        EXPECT_EQ(std::memcmp(replayed.players, pos.players, sizeof pos.players), 0) << what;
    }
}

TEST(Position, ACaptureWalksEveryTokenItTakesHomeSquareBySquare) {
    Position pos = arranged("partners 0.0@2 1.0:5", "3 0 animated");
    MoveEvents events;
    ASSERT_TRUE(applyMove(pos, Move{0, 0, 0, None, None}, events));
    EXPECT_EQ(letters(events), "SSSC" + std::string(progressOn(1, 5), 'B'));
    EXPECT_EQ(events.list[3].colour, 1);
    passTurn(pos);
    EXPECT_TRUE(positionIsSound(pos));

    // A pair landing on a square the other side holds with three tokens sends all three back.
    const Position before = arranged("partners 1.0@1 1.1@1 0.0@14 0.1@14 2.1@36", "4 0 animated");
    pos = before;
    pos.core.currentPlayer = 1;
    ASSERT_TRUE(applyMove(pos, Move{0, 1, 0, 1, 1}, events));
    EXPECT_EQ(letters(events), "SSC" + std::string(14 + 14 + 36, 'B'));
    EXPECT_EQ(progressOf(pos, 2, 1), 0);
}

TEST(Position, MovesToTheSamePositionAreListedOnce) {
    // Four yard tokens and a six: one move; the final 3 moves none of them.
    MoveList list;
    listMoves(arranged("-", "3 1"), list);
    EXPECT_EQ(list.count, 1);
}
