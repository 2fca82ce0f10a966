// The computer's rating ladder as orderings of situations, each difficulty's own, and the rules it
// decides: which moves are refused, and why.
#include <gtest/gtest.h>

#include <cstdio>
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
    std::string tokens;  // as arrangeWords takes them
    unsigned lastDie, sixes;
    unsigned token, die;  // colour 0's token, rated for this die
};

MoveScore rate(const Situation& s, bool normal) {
    arrangeWords(s.tokens, normal ? FlagNormal : 0);
    setDice(uint8_t(s.lastDie), uint8_t(s.sixes));
    expectBoardInvariants();
    MoveScore m{0, 9};
    evaluateMove(0, uint8_t(s.token), uint8_t(s.die), m);
    return m;
}

// The situations of tables/ai_situations.txt by name.
const Situation& situation(const std::string& name) {
    static const std::map<std::string, Situation> situations = [] {
        std::map<std::string, Situation> read;
        for (const auto& row : tableRows("ai_situations.txt")) {
            Situation& s = read[row.at(0)];
            s.tokens = row.at(1);
            EXPECT_EQ(std::sscanf(row.at(2).c_str(), "%u %u %u %u", &s.lastDie, &s.sixes, &s.token, &s.die), 4) << row[0];
        }
        return read;
    }();
    return situations.at(name);
}

// Each list runs from the move the difficulty likes best to the one it likes least.
void expectOrder(bool normal, const std::vector<std::string>& best) {
    for (size_t i = 0; i + 1 < best.size(); ++i) {
        const MoveScore better = rate(situation(best[i]), normal);
        const MoveScore worse = rate(situation(best[i + 1]), normal);
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
    const struct Row {
        const char* what;
        Situation s;
        int16_t refusal;  // 0: allowed
        uint8_t legal;
    } rows[] = {
        {"a yard token without a six", {"", 5, 0, 0, 5}, RefuseNeedsSix, 0},
        {"a token lands home exactly", {"0.0@45", 3, 0, 0, 3}, 0, 1},
        {"a token one past home", {"0.0@45", 4, 0, 0, 4}, RefusePastHome, 0},
        {"past home from 43", {"0.0@43", 6, 0, 0, 6}, RefusePastHome, 0},
        {"a foe pair three ahead lets a 2 through", {"0.0@2 1.0:5 1.1:5", 2, 0, 0, 2}, 0, 1},
        {"a foe pair three ahead stops a 3", {"0.0@2 1.0:5 1.1:5", 3, 0, 0, 3}, RefuseBlocked, 0},
        {"a foe pair three ahead stops a 6", {"0.0@2 1.0:5 1.1:5", 6, 0, 0, 6}, RefuseBlocked, 0},
        {"blocked on 42, the last square that can be", {"0.0@42 1.0:43 1.1:43", 2, 0, 0, 2}, RefuseBlocked, 0},
        {"a partner's pair on 43 cannot take a six", {"partners 0.0@43 2.0:43", 3, 1, 0, 6}, RefusePastHome, 0},
        {"an own pair blocked on its way", {"0.0@13 0.1@13 1.0:14 1.1:14", 4, 0, 0, 4}, RefuseBlocked, 0},
        {"an own pair home together, not alone", {"0.0@46 0.1@46", 4, 0, 0, 4}, 0, 0},
        {"an odd total has no half", {"0.0@13 0.1@13 1.0:17 1.1:17", 3, 1, 0, 6}, 0, 0},
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
