// The position functions as tables: what the rules allow, and what a move reports, in order.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ai/move_list.h"
#include "game/position.h"
#include "persist/savefile.h"
#include "tests/game_positions.h"

namespace {

struct Setting {
    uint32_t flags;
    const char* tokens;  // as arrangeWords takes them
    uint8_t last, sixes;
    bool lastPlayed = false;
};

Position arranged(const Setting& s) {
    arrangeWords(s.tokens, s.flags);
    setRolledDice(game, s.sixes, s.last);
    setLastDieUsed(game, s.lastPlayed);
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

bool listed(const Position& pos, const Move& move) {
    MoveList list;
    listMoves(pos, list);
    for (uint8_t k = 0; k < list.count; ++k)
        if (std::memcmp(&list.moves[k].move, &move, sizeof move) == 0) return true;
    return false;
}

constexpr uint32_t Steps = FlagAnimateTokens;

}  // namespace

TEST(Position, WhatTheRulesAllow) {
    struct Row {
        const char* what;
        Setting setting;
        Move move;
        bool allowed;
    } rows[] = {
        {"a yard token with a six", {0, "", 3, 1}, {0, 0, 0, None, None}, true},
        {"a yard token without one", {0, "", 3, 1}, {1, 0, 0, None, None}, false},
        {"a die already played", {0, "0.0@5", 3, 1, true}, {1, 0, 0, None, None}, false},
        {"a token of the other side", {0, "2.0@5", 3, 0}, {0, 2, 0, None, None}, false},
        {"a token lands home exactly", {0, "0.0@45", 3, 0}, {0, 0, 0, None, None}, true},
        {"a token one past home", {0, "0.0@46", 3, 0}, {0, 0, 0, None, None}, false},
        {"a foe pair one square past the landing", {0, "0.0@2 1.0:6 1.1:6", 3, 0}, {0, 0, 0, None, None}, true},
        {"a foe pair on the landing", {0, "0.0@2 1.0:5 1.1:5", 3, 0}, {0, 0, 0, None, None}, false},
        {"an own pair lands home exactly", {0, "0.0@46 0.1@46", 4, 0}, {0, 0, 0, 0, 1}, true},
        {"an own pair one past home", {0, "0.0@47 0.1@47", 4, 0}, {0, 0, 0, 0, 1}, false},
        {"a pair by an odd die", {0, "0.0@20 0.1@20", 3, 0}, {0, 0, 0, 0, 1}, false},
        {"a pair on two squares", {0, "0.0@20 0.1@21", 4, 0}, {0, 0, 0, 0, 1}, false},
        {"a pair past a foe pair, which the ladder never moves", {0, "0.0@10 0.1@10 3.0:11 3.1:11", 3, 1}, {0, 0, 0, 0, 1}, true},
        {"a mixed pair lands on the last shared square", {0, "partners 0.0@41 2.0:41", 4, 0}, {0, 0, 0, 2, 0}, true},
        {"a mixed pair at the home column's entry", {0, "partners 0.0@42 2.0:42", 4, 0}, {0, 0, 0, 2, 0}, false},
    };
    for (const Row& row : rows) {
        Position pos = arranged(row.setting);
        EXPECT_EQ(moveAllowed(pos, row.move), row.allowed) << row.what;
        EXPECT_EQ(listed(pos, row.move), row.allowed) << row.what;
        const Position before = pos;
        MoveEvents events;
        EXPECT_EQ(applyMove(pos, row.move, events), row.allowed) << row.what;
        EXPECT_TRUE(row.allowed || std::memcmp(&pos, &before, sizeof pos) == 0) << row.what << ": refused, yet changed";
    }
}

TEST(Position, WhatAMoveReportsInOrder) {
    struct Row {
        const char* what;
        Setting setting;
        Move move;
        const char* events;
        Placed after;  // a token and its progress once the move is over
    } rows[] = {
        {"a six brings a token out", {Steps, "", 3, 1}, {0, 0, 0, None, None}, "YS", {0, 0, 1}},
        {"a walk, square by square", {Steps, "0.0@10", 3, 0}, {0, 0, 0, None, None}, "SSS", {0, 0, 13}},
        {"a walk in one, unanimated", {0, "0.0@10", 3, 0}, {0, 0, 0, None, None}, "S", {0, 0, 13}},
        {"a pair walks half the die", {Steps, "0.0@10 0.1@10", 4, 0}, {0, 0, 0, 0, 1}, "SS", {0, 1, 12}},
        {"an own pair reaches home", {Steps, "0.0@46 0.1@46", 4, 0}, {0, 0, 0, 0, 1}, "SSH", {0, 1, 48}},
        {"a capture sends the foe back", {0, "0.0@2 1.0:5", 3, 0}, {0, 0, 0, None, None}, "SCB", {1, 0, 0}},
        {"the last token home wins", {0, "0.0@45 0.1@48 0.2@48 0.3@48", 3, 0}, {0, 0, 0, None, None}, "SHW", {0, 0, 48}},
    };
    for (const Row& row : rows) {
        const Position before = arranged(row.setting);
        Position pos = before;
        MoveEvents events;
        ASSERT_TRUE(applyMove(pos, row.move, events)) << row.what;
        EXPECT_EQ(letters(events), row.events) << row.what;
        EXPECT_EQ(progressOf(pos, row.after.colour, row.after.token), row.after.progress) << row.what;
        // Replaying the steps walks the position before the move to the one after it.
        Position replayed = before;
        for (uint16_t i = 0; i < events.count; ++i)
            if (events.list[i].kind == MoveEventKind::Step) replayStep(replayed, events.list[i]);
        EXPECT_EQ(std::memcmp(replayed.board, pos.board, sizeof pos.board), 0) << row.what;
        EXPECT_EQ(std::memcmp(replayed.players, pos.players, sizeof pos.players), 0) << row.what;
    }
}

TEST(Position, ACaptureWalksEveryTokenItTakesHomeSquareBySquare) {
    Position pos = arranged({Steps, "partners 0.0@2 1.0:5", 3, 0});
    MoveEvents events;
    ASSERT_TRUE(applyMove(pos, Move{0, 0, 0, None, None}, events));
    EXPECT_EQ(letters(events), "SSSC" + std::string(progressOn(1, 5), 'B'));
    EXPECT_EQ(events.list[3].colour, 1);
    passTurn(pos);
    EXPECT_TRUE(positionIsSound(pos));

    // A pair landing on a square the other side holds with three tokens sends all three back.
    const Position before = arranged({Steps, "partners 1.0@1 1.1@1 0.0@14 0.1@14 2.1@36", 4, 0});
    pos = before;
    pos.core.currentPlayer = 1;
    ASSERT_TRUE(applyMove(pos, Move{0, 1, 0, 1, 1}, events));
    EXPECT_EQ(letters(events), "SSC" + std::string(14 + 14 + 36, 'B'));
    EXPECT_EQ(progressOf(pos, 2, 1), 0);
}

TEST(Position, MovesToTheSamePositionAreListedOnce) {
    // Four yard tokens and a six: one move; the final 3 moves none of them.
    MoveList list;
    listMoves(arranged({0, "", 3, 1}), list);
    EXPECT_EQ(list.count, 1);
}
