// The computer's rating ladder as orderings of situations, each difficulty's own, and the rules it
// decides: which moves are refused, and why.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
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

TEST(AiEvaluate, EachDifficultyRanksTheSituationsInItsOrder) {
    for (const auto& row : tableRows("ai_orders.txt")) {
        ASSERT_TRUE(row.at(0) == "Normal" || row[0] == "Easy") << row[0];
        expectOrder(row[0] == "Normal", std::vector<std::string>(row.begin() + 1, row.end()));
    }
}

TEST(AiEvaluate, RefusalsAndTheirReasons) {
    const std::map<std::string, int16_t> reasons = {
        {"allowed", 0}, {"NeedsSix", RefuseNeedsSix}, {"PastHome", RefusePastHome}, {"Blocked", RefuseBlocked}};
    for (const auto& row : tableRows("ai_situations.txt")) {
        if (row.size() < 4) continue;
        std::istringstream verdict(row[3]);
        std::string reason;
        unsigned legal = 0;
        ASSERT_TRUE(verdict >> reason >> legal && reasons.count(reason)) << row[0];
        for (bool normal : {false, true}) {
            const MoveScore m = rate(situation(row[0]), normal);
            if (reasons.at(reason) != 0) EXPECT_EQ(m.score, reasons.at(reason)) << row[0];
            else EXPECT_LT(m.score, ScoreNotEvaluated) << row[0];
            EXPECT_EQ(m.legal, legal) << row[0];
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
