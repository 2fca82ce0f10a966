// Move evaluation: every rung of the score ladder at both levels, the refusals and the pair rules.
#include <gtest/gtest.h>

#include "ai/evaluate.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

namespace {

MoveScore rate(uint8_t colour, uint8_t token, uint8_t die) {
    MoveScore m{0, 9};
    evaluateMove(colour, token, die, m);
    return m;
}

int16_t scoreOf(uint8_t colour, uint8_t token, uint8_t die) { return rate(colour, token, die).score; }

// Tokens 0 and 1 of a colour together: at a progress of colour 0, or on a track square.
void ownPairAt(uint8_t progress) {
    place(0, 0, progress);
    place(0, 1, progress);
}
void pairOn(uint8_t colour, uint8_t square) {
    placeOn(colour, 0, square);
    placeOn(colour, 1, square);
}

// Runs a check once in Easy and once in Normal on the same position.
template <typename Check>
void atBothLevels(Check check) {
    for (bool normal : {false, true}) {
        setFlag(FlagNormal, normal);
        check(normal);
    }
}

}  // namespace

TEST(AiEvaluate, YardTokensNeedASixAndEnterAtTheEntryRung) {
    startPosition(0);
    setDice(5, 0);
    MoveScore m = rate(0, 0, 5);
    EXPECT_EQ(m.score, RefuseNeedsSix);
    EXPECT_EQ(m.legal, 0);
    EXPECT_EQ(m.score - RefusalToMessage, 1221);
    setDice(2, 1);
    m = rate(0, 0, 6);
    EXPECT_EQ(m.score, 600);
    EXPECT_EQ(m.legal, 1);

    // With partners the count of tokens in the yard and on the start square matters.
    startPosition(FlagPartners);
    setDice(3, 1);
    place(0, 3, 1);
    EXPECT_EQ(scoreOf(0, 0, 6), 601);
    place(0, 2, 1);
    EXPECT_EQ(scoreOf(0, 0, 6), 4 * 152 - 2);
}

TEST(AiEvaluate, EntryCaptureChanceLooksExactlyTheRestOfTheDiceBeyondTheStart) {
    startPosition(0);
    placeOn(1, 0, 5);  // 4 beyond colour 0's start square
    setDice(4, 1);     // T = 10: 4 left after entering
    EXPECT_TRUE(entryCaptureChance(0, unplayedDiceTotal()));
    EXPECT_EQ(scoreOf(0, 0, 6), 500);
    EXPECT_FALSE(entryCaptureChance(0, 9));
    EXPECT_FALSE(entryCaptureChance(0, 6));
    // An opponent pair on the way spoils it, wherever it lies in the slots.
    pairOn(3, 3);
    EXPECT_FALSE(entryCaptureChance(0, 10));
    // A pair on a safe square does not count; an own token does not count as a victim.
    startPosition(0);
    pairOn(2, 7);
    placeOn(1, 0, 9);
    EXPECT_TRUE(entryCaptureChance(0, 14));
    place(1, 0, 0);
    place(0, 1, 9);
    EXPECT_FALSE(entryCaptureChance(0, 14));
    // Squares past 44 are never looked at: colour 3 starts on 34, 12 ahead wraps to 2.
    startPosition(0);
    placeOn(0, 0, 2);
    EXPECT_FALSE(entryCaptureChance(3, 6 + 12));
    placeOn(0, 0, 38);
    EXPECT_TRUE(entryCaptureChance(3, 6 + 4));
}

TEST(AiEvaluate, PastHomeAndBlockedMovesAreRefused) {
    startPosition(FlagNormal);
    setDice(4, 0);
    place(0, 0, 45);
    EXPECT_EQ(scoreOf(0, 0, 4), RefusePastHome);
    MoveScore m = rate(0, 0, 3);
    EXPECT_EQ(m.legal, 1);
    EXPECT_LT(m.score, ScoreNotEvaluated);

    // An opponent pair three ahead on an unsafe square lets a 2 through and stops anything longer.
    startPosition(0);
    place(0, 0, 2);
    pairOn(1, 5);
    atBothLevels([](bool) {
        EXPECT_EQ(rate(0, 0, 2).legal, 1);
        for (uint8_t v = 3; v <= 6; ++v) {
            const MoveScore blocked = rate(0, 0, v);
            EXPECT_EQ(blocked.legal, 0);
            EXPECT_EQ(blocked.score, RefuseBlocked) << "die " << int(v);
        }
    });
    // Past progress 42 a move can only fail by running past home.
    startPosition(0);
    place(0, 0, 43);
    EXPECT_EQ(scoreOf(0, 0, 6), RefusePastHome);
}

TEST(AiEvaluate, PairRungs) {
    // Two tokens on progress 46 with a 4: the single move runs past home, the pair reaches home.
    startPosition(0);
    setDice(4, 0);
    ownPairAt(46);
    atBothLevels([](bool) {
        const MoveScore m = rate(0, 0, 4);
        EXPECT_EQ(m.score, 1600 - 46);
        EXPECT_EQ(m.legal, 0);
    });

    // A lone opponent half the die ahead: the pair capture rung, in Normal only.
    startPosition(0);
    setDice(4, 0);
    ownPairAt(13);
    placeOn(1, 0, 15);
    atBothLevels([](bool normal) { EXPECT_EQ(scoreOf(0, 1, 4), normal ? 200 - 13 : 1600 - 13); });

    // An opponent pair half the remaining dice ahead (a six and a 2 left, T = 8).
    startPosition(0);
    setDice(2, 1);
    ownPairAt(13);
    pairOn(1, 17);
    atBothLevels([](bool normal) { EXPECT_EQ(scoreOf(0, 0, 2), normal ? 200 - 13 : 1600 - 13); });
    // With an odd total (a six and a 3) half the total means nothing.
    setDice(3, 1);
    atBothLevels([](bool) { EXPECT_EQ(scoreOf(0, 0, 6), 1600 - 13); });

    // An opponent pair inside the pair's reach on an unsafe landing: not a pair rung, and blocked.
    startPosition(0);
    setDice(4, 0);
    ownPairAt(13);
    pairOn(1, 14);
    atBothLevels([](bool) { EXPECT_EQ(scoreOf(0, 0, 4), RefuseBlocked); });
    // ... but a pair landing on a safe square may go, though neither token may move alone.
    ownPairAt(16);
    pairOn(1, 17);
    atBothLevels([](bool) {
        const MoveScore m = rate(0, 0, 4);
        EXPECT_EQ(m.score, 1600 - 16);
        EXPECT_EQ(m.legal, 0);
    });
    expectBoardInvariants();
}

TEST(AiEvaluate, MixedPairsStayOnTheSharedTrack) {
    startPosition(FlagPartners);
    setDice(4, 0);
    place(0, 0, 20);
    place(2, 0, 42);  // the same square, 20
    ASSERT_EQ(game.players[0].slot[0], game.players[2].slot[0]);
    EXPECT_FALSE(partnerBlocksPairMove(0, 0, 2));
    EXPECT_TRUE(partnerBlocksPairMove(0, 0, 4));
    EXPECT_TRUE(partnerBlocksPairMove(2, 0, 4));
    atBothLevels([](bool) {
        EXPECT_EQ(scoreOf(0, 0, 2), 1600 - 20);
        EXPECT_EQ(scoreOf(0, 0, 4), 20044 - 20);  // moves alone, breaking up the pair
    });
    // Without partners, or without a partner token on the square, nothing is blocked.
    setFlag(FlagPartners, false);
    EXPECT_FALSE(partnerBlocksPairMove(0, 0, 6));
    setFlag(FlagPartners, true);
    place(2, 0, 0);
    place(0, 1, 20);
    EXPECT_FALSE(partnerBlocksPairMove(0, 0, 6));
}

TEST(AiEvaluate, CaptureAndChaseRungs) {
    // A lone opponent exactly the die ahead: 400 less its progress in Normal, a plain move in Easy.
    startPosition(0);
    setDice(3, 0);
    place(0, 0, 2);
    placeOn(1, 0, 5);
    atBothLevels([](bool normal) { EXPECT_EQ(scoreOf(0, 0, 3), normal ? 400 - progressOn(1, 5) : 20000 - 2); });

    // A six and a 3 to play, a lone opponent 9 ahead and none 6 ahead.
    startPosition(0);
    setDice(3, 1);
    place(0, 0, 2);
    placeOn(2, 0, 11);
    atBothLevels([](bool normal) { EXPECT_EQ(scoreOf(0, 0, 6), normal ? 400 : 900 - 2); });

    // An own-side token exactly the die ahead: 1800 less its progress, Normal only.
    for (uint8_t friendColour : {0, 2}) {
        startPosition(FlagPartners);
        setDice(3, 0);
        place(0, 0, 2);
        placeOn(friendColour, 1, 5);
        atBothLevels([friendColour](bool normal) {
            EXPECT_EQ(scoreOf(0, 0, 3), normal ? 1800 - progressOn(friendColour, 5) : 20000 - 2);
        });
    }
}

TEST(AiEvaluate, ThreatAndPlainRungs) {
    struct Case {
        uint8_t ownProgress;      // colour 0 token 0
        uint8_t ownPairProgress;  // colour 0 token 1, 0 = in the yard
        uint8_t enemySquare;      // colour 1 token 0, 0 = in the yard
        uint8_t die;
        int score;
        const char* what;
    };
    const Case cases[] = {
        {4, 0, 2, 3, 700 - 4, "threatened, runs to a safe square"},
        {42, 0, 40, 3, 700 - 42, "threatened, runs into the home column"},
        {4, 0, 2, 2, 800 - 4, "threatened, runs to an unsafe square"},
        {7, 0, 5, 2, 20400 - 7, "threatened on a safe square"},
        {4, 4, 2, 3, 20400 - 4, "threatened in a pair"},
        {2, 0, 9, 3, 900 - 2, "a lone opponent beyond the landing"},
        {2, 0, 3, 3, 20200 - 2, "passing an opponent onto an unsafe square"},
        {4, 0, 5, 3, 20000 - 4, "passing an opponent onto a safe square"},
        {4, 4, 0, 3, 20044 - 4, "breaking up a pair on an unsafe square"},
        {7, 7, 0, 3, 20000 - 7, "leaving a pair on a safe square"},
        {30, 0, 0, 5, 20000 - 30, "a plain move"},
        {31, 0, 23, 5, 20000 - 31, "an opponent seven behind is no threat"},
    };
    for (const Case& c : cases) {
        startPosition(0);
        setDice(c.die, 0);
        place(0, 0, c.ownProgress);
        if (c.ownPairProgress) place(0, 1, c.ownPairProgress);
        if (c.enemySquare) placeOn(1, 0, c.enemySquare);
        atBothLevels([&c](bool normal) {
            const MoveScore m = rate(0, 0, c.die);
            EXPECT_EQ(m.score, c.score) << c.what << (normal ? " (Normal)" : " (Easy)");
            EXPECT_EQ(m.legal, 1) << c.what;
        });
    }
}
