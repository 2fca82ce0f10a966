// The computer's rating ladder as one table: a position, the dice, one token and die, and the score
// it gets in Easy and in Normal (lower is better; 30000 and above may not be played).
#include <gtest/gtest.h>

#include "ai/choice.h"
#include "ai/evaluate.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

namespace {

struct Row {
    const char* what;
    uint32_t flags;
    std::vector<Placed> tokens;
    uint8_t lastDie, sixes;
    uint8_t token, die;  // colour 0's token, rated for this die
    int easy, normal;
    uint8_t legal;
};

}  // namespace

TEST(AiEvaluate, Ladder) {
    const uint8_t foe5 = progressOn(1, 5);
    const Row rows[] = {
        {"yard token without a six", 0, {}, 5, 0, 0, 5, RefuseNeedsSix, RefuseNeedsSix, 0},
        {"yard token enters with a six", 0, {}, 2, 1, 0, 6, 600, 600, 1},
        {"entering beside one token on the start", FlagPartners, {{0, 3, 1}}, 3, 1, 0, 6, 601, 601, 1},
        {"entering beside two", FlagPartners, {{0, 3, 1}, {0, 2, 1}}, 3, 1, 0, 6, 606, 606, 1},
        {"entering with a capture in reach", 0, {{1, 0, foe5}}, 4, 1, 0, 6, 500, 500, 1},
        {"entering, the way barred by a pair", 0, pairOn(3, 3, {{1, 0, foe5}}), 4, 1, 0, 6, 600, 600, 1},
        {"past home", 0, {{0, 0, 45}}, 4, 0, 0, 4, RefusePastHome, RefusePastHome, 0},
        {"past home from 43", 0, {{0, 0, 43}}, 6, 0, 0, 6, RefusePastHome, RefusePastHome, 0},
        {"a pair three ahead lets a 2 through", 0, pairOn(1, 5, {{0, 0, 2}}), 2, 0, 0, 2, 19998, 19998, 1},
        {"a pair three ahead stops a 3", 0, pairOn(1, 5, {{0, 0, 2}}), 3, 0, 0, 3, RefuseBlocked, RefuseBlocked, 0},
        {"a pair three ahead stops a 6", 0, pairOn(1, 5, {{0, 0, 2}}), 6, 0, 0, 6, RefuseBlocked, RefuseBlocked, 0},
        {"own pair reaches home together", 0, {{0, 0, 46}, {0, 1, 46}}, 4, 0, 0, 4, 1554, 1554, 0},
        {"own pair captures a lone foe", 0, {{0, 0, 13}, {0, 1, 13}, {1, 0, progressOn(1, 15)}}, 4, 0, 1, 4, 1587,
         187, 1},
        {"own pair chases a pair half the dice ahead", 0, pairOn(1, 17, {{0, 0, 13}, {0, 1, 13}}), 2, 1, 0, 2,
         1587, 187, 1},
        {"an odd total has no half", 0, pairOn(1, 17, {{0, 0, 13}, {0, 1, 13}}), 3, 1, 0, 6, 1587, 1587, 0},
        {"own pair blocked by a pair on its way", 0, pairOn(1, 14, {{0, 0, 13}, {0, 1, 13}}), 4, 0, 0, 4,
         RefuseBlocked, RefuseBlocked, 0},
        {"own pair lands beside a pair on a safe square", 0, pairOn(1, 17, {{0, 0, 16}, {0, 1, 16}}), 4, 0, 0, 4,
         1584, 1584, 0},
        {"mixed pair moves together", FlagPartners, {{0, 0, 20}, {2, 0, 42}}, 4, 0, 0, 2, 1580, 1580, 1},
        {"mixed pair's token moves alone", FlagPartners, {{0, 0, 20}, {2, 0, 42}}, 4, 0, 0, 4, 20024, 20024, 1},
        {"a lone foe exactly the die ahead", 0, {{0, 0, 2}, {1, 0, foe5}}, 3, 0, 0, 3, 19998, 400 - foe5, 1},
        {"a lone foe the rest of the dice ahead", 0, {{0, 0, 2}, {2, 0, progressOn(2, 11)}}, 3, 1, 0, 6, 898, 400,
         1},
        {"an own token exactly the die ahead", FlagPartners, {{0, 0, 2}, {0, 1, 5}}, 3, 0, 0, 3, 19998, 1795, 1},
        {"a partner's token exactly the die ahead", FlagPartners, {{0, 0, 2}, {2, 1, progressOn(2, 5)}}, 3, 0, 0,
         3, 19998, 1800 - progressOn(2, 5), 1},
        {"threatened, runs to a safe square", 0, {{0, 0, 4}, {1, 0, progressOn(1, 2)}}, 3, 0, 0, 3, 696, 696, 1},
        {"threatened, runs into the home column", 0, {{0, 0, 42}, {1, 0, progressOn(1, 40)}}, 3, 0, 0, 3, 658,
         658, 1},
        {"threatened, runs to an unsafe square", 0, {{0, 0, 4}, {1, 0, progressOn(1, 2)}}, 2, 0, 0, 2, 796, 796, 1},
        {"threatened on a safe square", 0, {{0, 0, 7}, {1, 0, foe5}}, 2, 0, 0, 2, 20393, 20393, 1},
        {"threatened in a pair", 0, {{0, 0, 4}, {0, 1, 4}, {1, 0, progressOn(1, 2)}}, 3, 0, 0, 3, 20396, 20396, 1},
        {"a lone foe beyond the landing", 0, {{0, 0, 2}, {1, 0, progressOn(1, 9)}}, 3, 0, 0, 3, 898, 898, 1},
        {"passing a foe onto an unsafe square", 0, {{0, 0, 2}, {1, 0, progressOn(1, 3)}}, 3, 0, 0, 3, 20198, 20198,
         1},
        {"passing a foe onto a safe square", 0, {{0, 0, 4}, {1, 0, foe5}}, 3, 0, 0, 3, 19996, 19996, 1},
        {"breaking up a pair on an unsafe square", 0, {{0, 0, 4}, {0, 1, 4}}, 3, 0, 0, 3, 20040, 20040, 1},
        {"leaving a pair on a safe square", 0, {{0, 0, 7}, {0, 1, 7}}, 3, 0, 0, 3, 19993, 19993, 1},
        {"a plain move", 0, {{0, 0, 30}}, 5, 0, 0, 5, 19970, 19970, 1},
        {"a foe seven behind is no threat", 0, {{0, 0, 31}, {1, 0, progressOn(1, 23)}}, 5, 0, 0, 5, 19969, 19969,
         1},
    };
    for (const Row& row : rows) {
        for (bool normal : {false, true}) {
            arrange(row.flags | (normal ? FlagNormal : 0), row.tokens);
            setDice(row.lastDie, row.sixes);
            expectBoardInvariants();
            MoveScore m{0, 9};
            evaluateMove(0, row.token, row.die, m);
            EXPECT_EQ(m.score, normal ? row.normal : row.easy) << row.what << (normal ? " (Normal)" : " (Easy)");
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
