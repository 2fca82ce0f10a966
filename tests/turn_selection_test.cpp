// The "Choose:" panel: the kinds a shared square offers, their buttons and hit areas, and restored choices.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/track.h"
#include "resources/strings.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"
#include "tests/turn_driver.h"
#include "turn/selection.h"

namespace {

std::vector<uint8_t> offered() {
    std::vector<uint8_t> kinds;
    for (uint8_t kind : game.moveKindChoices)
        if (kind != None) kinds.push_back(kind);
    return kinds;
}

using TurnSelection = TurnDriverTest;

// Colour 0 to play one die of value v, two people sharing the device; partners when asked.
void position(bool partners, uint8_t v) {
    startPosition(partners ? FlagPartners : 0);
    if (!partners) {
        game.players[1].kind = Absent;
        game.players[3].kind = Absent;
    }
    fixRolls({v});
}

// Colour 0 with two tokens together on square 10 and a die of value v to play.
void ownStack(uint8_t v) {
    position(false, v);
    place(0, 0, 10);
    place(0, 1, 10);
}

// The turn as a saved record left it: the dice (no sixes played), the state and the pending move.
void savedTurn(uint8_t last, uint8_t sixes, TurnState state, PendingMove pending) {
    setDice(last, sixes);
    setTurnState(state);
    game.pendingMove = pending;
}

// Two own tokens on square 10, as a record saved while the "Choose:" panel was up for token 1.
void savedChoice(uint8_t v) {
    ownStack(v);
    savedTurn(v, 0, PickMove, PendingMove{0, 0, 1, None, None});
}

// A lone token of colour 0 further on, and a colour-2 pair three squares ahead of the stack on
// square 10: the stack's tokens may not move alone by 3 or more, only as a pair.
void blockStackButFreeOneToken() {
    place(0, 2, 30);
    placeOn(2, 0, 13);
    placeOn(2, 1, 13);
}

}  // namespace

TEST_F(TurnSelection, TwoOwnTokensOfferSingleAndPairAsButtons) {
    ownStack(4);
    tapRoll();
    ASSERT_EQ(turnState(), PickToken);
    tapToken(0, 0);
    ASSERT_EQ(turnState(), PickMove);
    EXPECT_EQ(offered(), (std::vector<uint8_t>{1, 3}));
    for (const int32_t x : {40, 135, 225}) {  // left of the buttons, an empty button, a sixth
        tap(x, game.boardSize + 14);
        EXPECT_EQ(turnState(), PickMove) << "x = " << x;
    }
    tapChooseButton(1);
    EXPECT_EQ(progressOf(0, 0), 12);
    EXPECT_EQ(progressOf(0, 1), 12);
    EXPECT_EQ(game.core.currentPlayer, 2);
    expectBoardInvariants();
}

TEST_F(TurnSelection, ATapOnTheBoardCancelsTheChoiceAndKeepsTheToken) {
    ownStack(4);
    place(0, 2, 30);
    tapRoll();
    tapToken(0, 0);
    ASSERT_EQ(turnState(), PickMove);
    tap(120, 120);
    EXPECT_EQ(turnState(), PickToken);
    EXPECT_EQ(game.pendingMove.token, 0);
    tapToken(0, 2);  // another token replaces the selection and moves alone
    EXPECT_EQ(progressOf(0, 2), 34);
    EXPECT_EQ(progressOf(0, 0), 10);
}

TEST_F(TurnSelection, OneKindIsPlayedWithoutThePanel) {
    // An odd die leaves only the lone move: the lower-numbered token of the stack goes.
    ownStack(3);
    tapRoll();
    tapToken(0, 1);
    EXPECT_EQ(progressOf(0, 0), 13);
    EXPECT_EQ(progressOf(0, 1), 10);

    // An opponent pair three ahead blocks the lone move; the pair is chosen by itself.
    ownStack(4);
    blockStackButFreeOneToken();
    tapRoll();
    ASSERT_EQ(turnState(), PickToken);
    tapToken(0, 0);
    EXPECT_EQ(progressOf(0, 0), 12);
    EXPECT_EQ(progressOf(0, 1), 12);
    expectBoardInvariants();
}

TEST_F(TurnSelection, PartnerTokensOfferPartnerAndMixedKinds) {
    struct Case {
        int button;
        uint8_t own, partner0, partner1;
    };
    // Own token 0 and partner token 0 on square 10 (partner progress 32), die 4: kinds 1, 4, 5.
    for (const Case c : {Case{0, 14, 32, 0}, Case{1, 10, 36, 0}, Case{2, 12, 34, 0}}) {
        position(true, 4);
        placeOn(0, 0, 10);
        placeOn(2, 0, 10);
        tapRoll();
        tapToken(0, 0);
        ASSERT_EQ(turnState(), PickMove);
        EXPECT_EQ(offered(), (std::vector<uint8_t>{1, 4, 5}));
        tapChooseButton(c.button);
        EXPECT_EQ(progressOf(0, 0), c.own) << "button " << c.button;
        EXPECT_EQ(progressOf(2, 0), c.partner0) << "button " << c.button;
        expectBoardInvariants();
    }

    // Two partner tokens with one own: the partner pair is offered too.
    position(true, 4);
    placeOn(0, 0, 10);
    placeOn(2, 0, 10);
    placeOn(2, 1, 10);
    tapRoll();
    tapToken(2, 1);
    ASSERT_EQ(turnState(), PickMove);
    EXPECT_EQ(offered(), (std::vector<uint8_t>{1, 4, 12, 5}));
    tapChooseButton(2);
    EXPECT_EQ(progressOf(2, 0), 34);
    EXPECT_EQ(progressOf(2, 1), 34);
    EXPECT_EQ(progressOf(0, 0), 10);

    // Near the end of the shared track the mixed pair is not offered (42 + 2 reaches 44).
    position(true, 4);
    place(0, 0, 42);
    placeOn(2, 0, 42);
    tapRoll();
    tapToken(0, 0);
    ASSERT_EQ(turnState(), PickMove);
    EXPECT_EQ(offered(), (std::vector<uint8_t>{1, 4}));
}

TEST_F(TurnSelection, ARestoredChoiceGetsItsButtonsBack) {
    // A record saved while choosing carries the token and the die, not the buttons.
    savedChoice(4);
    restoreSelection();
    EXPECT_EQ(turnState(), PickMove);
    EXPECT_EQ(offered(), (std::vector<uint8_t>{1, 3}));
    tapChooseButton(1);
    EXPECT_EQ(progressOf(0, 0), 12);
    EXPECT_EQ(progressOf(0, 1), 12);

    // With nothing left to choose between, the token is to be picked again.
    savedChoice(3);
    restoreSelection();
    EXPECT_EQ(turnState(), PickToken);
    EXPECT_EQ(game.moveKind, None);

    // Only the pair is left (an opponent pair blocks the lone move): the token is picked again and
    // a token tapped elsewhere then moves alone, the stack staying where it is.
    savedChoice(4);
    blockStackButFreeOneToken();
    restoreSelection();
    EXPECT_EQ(turnState(), PickToken);
    tapToken(0, 2);
    EXPECT_EQ(progressOf(0, 2), 34);
    EXPECT_EQ(progressOf(0, 0), 10);
    EXPECT_EQ(progressOf(0, 1), 10);
    expectBoardInvariants();
}

TEST_F(TurnSelection, ARecordCannotForceAMoveTheRulesRefuse) {
    // A partner token at 43 cannot move 6; the own token beside it could, but was not the one named.
    position(true, 2);
    placeOn(0, 0, 21);
    placeOn(2, 0, 21);
    ASSERT_EQ(progressOf(2, 0), 43);
    savedTurn(2, 1, Playing, PendingMove{0, 2, 0, None, None});
    watchMessagesDuring("wait 550");
    tap(120, 120);
    EXPECT_EQ(progressOf(2, 0), 43);
    EXPECT_EQ(progressOf(0, 0), 21);
    EXPECT_EQ(turnState(), PickToken);
    EXPECT_EQ(seenDuringWait, std::vector<std::string>{loadString(1223)});
    expectBoardInvariants();

    // A restored pair of tokens on different squares is not played as a pair: the token goes alone.
    position(false, 2);
    place(0, 0, 10);
    place(0, 1, 20);
    savedTurn(2, 0, Playing, PendingMove{0, 0, 0, 0, 1});
    restoreSelection();
    tap(120, 120);
    EXPECT_EQ(progressOf(0, 0), 12);
    EXPECT_EQ(progressOf(0, 1), 20);

    // A token outside the side to play is no selection at all: the player is asked instead.
    position(false, 2);
    place(0, 0, 10);
    place(0, 1, 20);
    savedTurn(2, 0, Playing, PendingMove{0, 1, 0, None, None});
    tap(120, 120);
    EXPECT_EQ(turnState(), PickToken);
    EXPECT_EQ(progressOf(1, 0), 0);
    EXPECT_EQ(game.pendingMove.token, None);
    expectBoardInvariants();
}

// The dice, the tokens and the "Choose:" panel at their exact edges: the first and last pixel that
// hit, and the one just past.
TEST_F(TurnSelection, TapTargetsHitToTheirExactEdges) {
    enum Target { Die0, Die1, Token, Button0, Button1, Cancel };
    struct Row {
        Target target;
        int32_t x, y;  // Token: from the token's point
        bool hit;
    };
    constexpr int32_t B = 240;
    const Row rows[] = {
        {Die0, 3, B + 10, false},   {Die0, 4, B + 10, true},     {Die0, 24, B + 10, true},
        {Die0, 25, B + 10, false},  {Die0, 14, B + 1, false},    {Die0, 14, B + 2, true},
        {Die1, 27, B + 10, false},  {Die1, 28, B + 10, true},    {Die1, 48, B + 10, true},
        {Die1, 49, B + 10, false},  {Token, 9, 9, true},         {Token, -9, -9, true},
        {Token, 10, 0, false},      {Token, -10, 0, false},      {Token, 0, 10, false},
        {Token, 0, -10, false},     {Button0, 64, B, false},     {Button0, 65, B, true},
        {Button0, 85, B + 79, true}, {Button0, 86, B, false},    {Button1, 115, B, true},
        {Button1, 116, B, false},   {Cancel, 90, B - 1, true},   {Cancel, 90, B, false},
    };
    for (const Row& row : rows) {
        int32_t x = row.x, y = row.y;
        switch (row.target) {
        case Die0:
        case Die1:  // two sixes and a 2 with two tokens out; die 2 selected to start with
            position(false, 6);
            fixRolls({6, 2});
            place(0, 0, 14);
            place(0, 1, 30);
            for (int roll = 0; roll < 3; ++roll) tapRoll();
            tapDie(2);
            break;
        case Token:
            position(false, 2);
            place(0, 0, 14);
            place(0, 1, 30);
            tapRoll();
            tokenPoint(14, 0, 0, x, y);
            x += row.x;
            y += row.y;
            break;
        default:  // the "Choose:" panel of a two-token stack
            ownStack(4);
            tapRoll();
            tapToken(0, 0);
        }
        tap(x, y);
        const bool hit = row.target == Die0      ? game.pendingMove.dieIndex == 0
                         : row.target == Die1    ? game.pendingMove.dieIndex == 1
                         : row.target == Token   ? progressOf(0, 0) == 16
                         : row.target == Button0 ? progressOf(0, 0) == 14
                         : row.target == Button1 ? progressOf(0, 1) == 12
                                                 : turnState() == PickToken;
        EXPECT_EQ(hit, row.hit) << "target " << row.target << " at " << row.x << ", " << row.y;
    }
}
