// The computer's rating ladder as orderings of situations, each difficulty's own, and the rules it
// decides: which moves are refused, and why.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ai/choice.h"
#include "ai/evaluate.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

namespace {

struct Situation {
    uint32_t flags;
    std::vector<Placed> tokens;
    uint8_t lastDie, sixes;
    uint8_t token, die;  // colour 0's token, rated for this die
};

MoveScore rate(const Situation& s, bool normal) {
    arrange(s.flags | (normal ? FlagNormal : 0), s.tokens);
    setDice(s.lastDie, s.sixes);
    expectBoardInvariants();
    MoveScore m{0, 9};
    evaluateMove(0, s.token, s.die, m);
    return m;
}

const uint8_t foe5 = progressOn(1, 5);
const std::map<std::string, Situation> situations = {
    {"a pair captures", {0, {{0, 0, 13}, {0, 1, 13}, {1, 0, progressOn(1, 15)}}, 4, 1, 0, 4}},
    {"a pair chases a pair half the dice ahead", {0, pairOn(1, 17, {{0, 0, 13}, {0, 1, 13}}), 2, 1, 0, 2}},
    {"capturing a token far along", {0, {{0, 0, 2}, {1, 0, foe5}}, 3, 0, 0, 3}},
    {"capturing a token near its start", {0, {{0, 0, 2}, {3, 0, progressOn(3, 5)}}, 3, 0, 0, 3}},
    {"a foe the rest of the dice ahead", {0, {{0, 0, 2}, {2, 0, progressOn(2, 11)}}, 3, 1, 0, 6}},
    {"entering with a capture in reach", {0, {{1, 0, foe5}}, 4, 1, 0, 6}},
    {"entering, the capture barred by a pair", {0, pairOn(3, 3, {{1, 0, foe5}}), 4, 1, 0, 6}},
    {"entering onto an empty start", {FlagPartners, {}, 3, 1, 0, 6}},
    {"entering beside one token", {FlagPartners, {{0, 3, 1}}, 3, 1, 0, 6}},
    {"entering beside two", {FlagPartners, {{0, 3, 1}, {0, 2, 1}}, 3, 1, 0, 6}},
    {"threatened, runs into the home column", {0, {{0, 0, 42}, {1, 0, progressOn(1, 40)}}, 3, 0, 0, 3}},
    {"threatened, runs to a safe square", {0, {{0, 0, 4}, {1, 0, progressOn(1, 2)}}, 3, 0, 0, 3}},
    {"threatened from six behind, runs", {0, {{0, 0, 10}, {1, 0, progressOn(1, 4)}}, 3, 0, 0, 3}},
    {"threatened, runs to an unsafe square", {0, {{0, 0, 4}, {1, 0, progressOn(1, 2)}}, 2, 0, 0, 2}},
    {"a lone foe beyond the landing", {0, {{0, 0, 2}, {1, 0, progressOn(1, 9)}}, 3, 0, 0, 3}},
    {"an own pair goes home", {0, {{0, 0, 46}, {0, 1, 46}}, 4, 0, 0, 4}},
    {"a mixed pair moves", {FlagPartners, {{0, 0, 20}, {2, 0, 42}}, 4, 0, 0, 2}},
    {"an own token exactly the die ahead", {FlagPartners, {{0, 0, 2}, {0, 1, 5}}, 3, 0, 0, 3}},
    {"a partner's token exactly the die ahead", {FlagPartners, {{0, 0, 2}, {2, 1, progressOn(2, 5)}}, 3, 0, 0, 3}},
    {"a plain move further along", {0, {{0, 0, 31}, {1, 0, progressOn(1, 24)}}, 5, 0, 0, 5}},
    {"a plain move", {0, {{0, 0, 30}}, 5, 0, 0, 5}},
    {"leaving a pair on a safe square", {0, {{0, 0, 7}, {0, 1, 7}}, 3, 0, 0, 3}},
    {"passing a foe onto a safe square", {0, {{0, 0, 4}, {1, 0, foe5}}, 3, 0, 0, 3}},
    {"a mixed pair's token moves alone", {FlagPartners, {{0, 0, 20}, {2, 0, 42}}, 4, 0, 0, 4}},
    {"breaking up a pair on an unsafe square", {0, {{0, 0, 4}, {0, 1, 4}}, 3, 0, 0, 3}},
    {"passing a foe onto an unsafe square", {0, {{0, 0, 2}, {1, 0, progressOn(1, 3)}}, 3, 0, 0, 3}},
    {"threatened on a safe square", {0, {{0, 0, 7}, {1, 0, foe5}}, 2, 0, 0, 2}},
    {"threatened in a pair", {0, {{0, 0, 4}, {0, 1, 4}, {1, 0, progressOn(1, 2)}}, 3, 0, 0, 3}},
};

// Each list runs from the move the difficulty likes best to the one it likes least.
void expectOrder(bool normal, const std::vector<std::string>& best) {
    for (size_t i = 0; i + 1 < best.size(); ++i) {
        const MoveScore better = rate(situations.at(best[i]), normal);
        const MoveScore worse = rate(situations.at(best[i + 1]), normal);
        EXPECT_LT(better.score, worse.score) << best[i] << " before " << best[i + 1] << (normal ? " (Normal)" : " (Easy)");
        EXPECT_LT(better.score, ScoreNotEvaluated) << best[i] << " may be played";
    }
}

}  // namespace

TEST(AiEvaluate, NormalPrefersCapturesThenEntriesThenSafetyThenProgress) {
    expectOrder(true, {"a pair captures", "capturing a token far along",
                       "capturing a token near its start", "a foe the rest of the dice ahead",
                       "entering with a capture in reach", "entering onto an empty start", "entering beside one token",
                       "entering beside two", "threatened, runs into the home column",
                       "threatened, runs to a safe square", "threatened from six behind, runs",
                       "threatened, runs to an unsafe square", "a lone foe beyond the landing", "an own pair goes home",
                       "a mixed pair moves", "a partner's token exactly the die ahead",
                       "an own token exactly the die ahead", "a plain move further along", "a plain move",
                       "a mixed pair's token moves alone", "breaking up a pair on an unsafe square",
                       "passing a foe onto an unsafe square", "threatened on a safe square", "threatened in a pair"});
    expectOrder(true, {"entering, the capture barred by a pair", "entering beside one token"});
    expectOrder(true, {"a pair chases a pair half the dice ahead", "capturing a token far along"});
}

TEST(AiEvaluate, EasySeesNoCapturesAndNoFriends) {
    expectOrder(false, {"entering with a capture in reach", "entering, the capture barred by a pair",
                        "entering beside one token", "threatened, runs to a safe square",
                        "threatened, runs to an unsafe square", "a foe the rest of the dice ahead",
                        "an own pair goes home", "a mixed pair moves", "a pair captures", "a plain move further along",
                        "a plain move", "leaving a pair on a safe square", "passing a foe onto a safe square",
                        "capturing a token far along", "a mixed pair's token moves alone", "breaking up a pair on an unsafe square"});
}

TEST(AiEvaluate, RefusalsAndTheirReasons) {
    const uint8_t colour2On43 = progressOn(2, 43);
    const struct Row {
        const char* what;
        Situation s;
        int16_t refusal;  // 0: allowed
        uint8_t legal;
    } rows[] = {
        {"a yard token without a six", {0, {}, 5, 0, 0, 5}, RefuseNeedsSix, 0},
        {"a token lands home exactly", {0, {{0, 0, 45}}, 3, 0, 0, 3}, 0, 1},
        {"a token one past home", {0, {{0, 0, 45}}, 4, 0, 0, 4}, RefusePastHome, 0},
        {"past home from 43", {0, {{0, 0, 43}}, 6, 0, 0, 6}, RefusePastHome, 0},
        {"a foe pair three ahead lets a 2 through", {0, pairOn(1, 5, {{0, 0, 2}}), 2, 0, 0, 2}, 0, 1},
        {"a foe pair three ahead stops a 3", {0, pairOn(1, 5, {{0, 0, 2}}), 3, 0, 0, 3}, RefuseBlocked, 0},
        {"a foe pair three ahead stops a 6", {0, pairOn(1, 5, {{0, 0, 2}}), 6, 0, 0, 6}, RefuseBlocked, 0},
        {"blocked on 42, the last square that can be", {0, pairOn(1, 43, {{0, 0, 42}}), 2, 0, 0, 2}, RefuseBlocked, 0},
        {"a partner's pair on 43 cannot take a six", {FlagPartners, {{0, 0, 43}, {2, 0, colour2On43}}, 3, 1, 0, 6},
         RefusePastHome, 0},
        {"an own pair blocked on its way", {0, pairOn(1, 14, {{0, 0, 13}, {0, 1, 13}}), 4, 0, 0, 4}, RefuseBlocked, 0},
        {"an own pair home together, not alone", {0, {{0, 0, 46}, {0, 1, 46}}, 4, 0, 0, 4}, 0, 0},
        {"an odd total has no half", {0, pairOn(1, 17, {{0, 0, 13}, {0, 1, 13}}), 3, 1, 0, 6}, 0, 0},
    };
    for (const Row& row : rows) {
        for (bool normal : {false, true}) {
            const MoveScore m = rate(row.s, normal);
            if (row.refusal != 0) EXPECT_EQ(m.score, row.refusal) << row.what;
            else EXPECT_LT(m.score, ScoreNotEvaluated) << row.what;
            EXPECT_EQ(m.legal, row.legal) << row.what;
        }
    }
}

TEST(AiChoice, YardTokensAreOneMoveForASixButAStartSquareTokenIsItsOwn) {
    // Tokens 0 and 2 in the yard, token 1 on its start square: a six brings one out or moves token 1,
    // and the final 3 moves token 1.
    arrange(0, {{0, 1, 1}, {0, 3, 48}});
    setDice(3, 1);
    rateTurnMoves();
    EXPECT_EQ(bestMove.countSix, 2);
    EXPECT_EQ(bestMove.countLast, 1);
}
