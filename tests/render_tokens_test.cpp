// Tokens, stacks, square backgrounds, the token flash, the dice, the Roll button and the tumbling die, read as pixels.
#include <string>
#include <vector>

#include "ai/choice.h"
#include "game/game_state.h"
#include "platform/window/clock.h"
#include "render/board.h"
#include "render/dice_row.h"
#include "render/layout.h"
#include "render/tokens.h"
#include "tests/game_positions.h"
#include "tests/render_fixture.h"

using namespace render_test;

namespace {

constexpr uint8_t EveryoneHuman[4] = {Human, Human, Human, Human};

class RenderTokens : public RenderTest {
protected:
    // Puts `count` tokens on one square, colour 0's four first, then colour 2's, then colour 3's; returns its slot.
    static uint8_t stackOn(uint8_t square, int count) {
        const uint8_t colours[3] = {0, 2, 3};
        for (int i = 0; i < count; ++i) putOnSquare(colours[i / 4], static_cast<uint8_t>(i % 4), square);
        return game.players[0].slot[0];
    }
    static void noMoves() {
        for (MoveScore& m : moveScores) m = MoveScore{30000, 0};
    }
};

TEST_F(RenderTokens, StacksSpreadAlongTheLongSideOfTheSquare) {
    // Offsets of the lowest and the last (topmost) token from the table of spreads, for 2..9 tokens.
    struct Spread {
        int count, lowest, last, highest;
    };
    const Spread spreads[] = {{2, -3, 2, 2},  {3, -5, 3, 3},  {4, -5, 4, 4}, {5, -3, 5, 5},
                              {6, -3, 2, 2},  {7, -3, 3, 3},  {8, -3, 4, 4}, {9, -3, 4, 4}};
    for (const Spread& sp : spreads) {
        SCOPED_TRACE("count " + std::to_string(sp.count));
        const Colour top = Light[sp.count <= 4 ? 0 : 2];  // a ninth token (colour 3) is not drawn
        // Square 3 (93, 184) lies in the bottom arm: the spread runs along x.
        emptyPosition(EveryoneHuman, DefaultFlags | Playing);
        fillClient(White);
        drawStack(stackOn(3, sp.count));
        EXPECT_EQ(extent(true, 184, 70, 116, White), std::make_pair(93 + sp.lowest - 6, 93 + sp.highest + 6));
        EXPECT_EQ(pixel(93 + sp.last, 184), top) << "last token on top";
        // Square 6 (56, 146) lies in the left arm: the spread runs along y.
        emptyPosition(EveryoneHuman, DefaultFlags | Playing);
        fillClient(White);
        drawStack(stackOn(6, sp.count));
        EXPECT_EQ(extent(false, 56, 125, 168, White), std::make_pair(146 + sp.lowest - 6, 146 + sp.highest + 6));
        EXPECT_EQ(pixel(56, 146 + sp.last), top);
    }
}

TEST_F(RenderTokens, YardAndHomeTokensStandAtTheirOwnPlaces) {
    const uint8_t kinds[4] = {Human, Absent, Computer, Human};
    emptyPosition(kinds, DefaultFlags | Playing);
    putOnSquare(0, 0, SquareHome);
    putOnSquare(0, 1, SquareHome);
    fillClient(White);
    drawAllStacks();
    // Yard places and home spots at S = 240; a token shows light, medium and dark from its point rightwards.
    struct Place {
        int x, y;
        uint8_t colour;
        const char* what;
    };
    const Place places[] = {{60, 220, 0, "colour 0 yard"}, {20, 220, 0, "colour 0 yard"}, {220, 60, 2, "colour 2 yard"},
                            {180, 20, 2, "colour 2 yard"}, {180, 180, 3, "colour 3 yard"}, {220, 220, 3, "colour 3 yard"},
                            {102, 152, 0, "home spot 0"},  {114, 152, 0, "home spot 1"}};
    for (const Place& p : places)
        expectPixels({{p.x, p.y, Light[p.colour], p.what}, {p.x + 3, p.y, Medium[p.colour], p.what},
                      {p.x + 5, p.y, Dark[p.colour], p.what}});
    EXPECT_EQ(pixel(121, 152), White) << "home tokens are not spread";
    EXPECT_TRUE(uniform(0, 0, 80, 80, White)) << "absent colour 1 draws nothing";
}

TEST_F(RenderTokens, EraseTokenRepaintsTheSquareBackground) {
    // The square, the rectangle the erase must fill exactly (right and bottom exclusive), and its ground.
    struct Case {
        int size;
        uint8_t square;
        int left, top, right, bottom;
        Colour ground;
    };
    const Case cases[] = {
        {240, 7, 34, 134, 47, 157, StockGrey},   {240, 3, 81, 178, 104, 191, White},
        {240, 47, 108, 178, 131, 191, Light[0]}, {480, 7, 74, 268, 87, 317, StockGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("square " + std::to_string(c.square) + " at S = " + std::to_string(c.size));
        if (c.size != game.boardSize) {
            closeScreen();
            openScreen(c.size, c.size * 4 / 3);
        }
        emptyPosition(EveryoneHuman, DefaultFlags | Playing);
        fillClient(Sentinel);
        eraseToken(c.square, 0, 0);
        expectPixels({{c.left, c.top, c.ground, "top-left"},           {c.right - 1, c.bottom - 1, c.ground, "bottom-right"},
                      {c.left - 1, c.top, Sentinel, "left of it"},     {c.right, c.bottom - 1, Sentinel, "right of it"},
                      {c.left, c.top - 1, Sentinel, "above it"},       {c.right - 1, c.bottom, Sentinel, "below it"}});
    }
    closeScreen();
    openScreen(240, 320);
    // On the board: the start square gets its colour and star back, square 44 its white.
    const uint8_t kinds[4] = {Human, Human, Absent, Absent};
    emptyPosition(kinds, DefaultFlags | Playing);
    putOnSquare(0, 0, 1);
    putOnSquare(1, 0, 44);
    paintBoard();
    eraseToken(1, 0, 0);
    eraseToken(44, 1, 0);
    expectImageAnd(102, 87, 210, Light[0]);
    EXPECT_TRUE(uniform(87, 226, 100, 239, White)) << "square 44";
    expectPixels({{93, 224, Black, "cell line between them"}, {93, 240, Black, "arm edge below square 44"}});
}

TEST_F(RenderTokens, FlashErasesAndRedrawsOnlyTheTokensThatCanMove) {
    emptyPosition(EveryoneHuman, DefaultFlags | PickToken);
    putOnSquare(0, 0, 3);  // (93, 184)
    putOnSquare(0, 1, 5);  // (72, 146)
    // A six is to be played, so the sixes' row of scores counts.
    setDice(4, 1, 0, false);
    noMoves();
    moveScores[0 + 8] = MoveScore{10, 1};
    moveScores[1] = MoveScore{10, 1};
    fillClient(White);
    drawAllStacks();
    fill(82, 184, 83, 185, Sentinel);  // inside each square's area, outside its token
    fill(72, 136, 73, 137, Sentinel);
    const uint32_t start = GetTickCount();
    blinkMovableTokens();
    EXPECT_EQ(pixel(82, 184), White) << "token 0 can move with a six: erased";
    EXPECT_EQ(pixel(72, 136), Sentinel) << "token 1 cannot: untouched";
    EXPECT_EQ(pixel(96, 184), Medium[0]) << "token 0 drawn again";
    EXPECT_EQ(GetTickCount() - start, 150u);

    // Partners: candidates 4..7 are the partner's tokens. With nothing to move the flash only waits.
    emptyPosition(EveryoneHuman, DefaultFlags | FlagPartners | PickToken);
    game.core.currentPlayer = 1;
    putOnSquare(3, 1, 3);
    noMoves();
    moveScores[5] = MoveScore{10, 1};
    fill(82, 184, 83, 185, Sentinel);
    blinkMovableTokens();
    EXPECT_EQ(pixel(82, 184), White) << "partner's token 1 erased";
    EXPECT_EQ(pixel(96, 184), Medium[3]) << "partner's token 1 drawn again";
    noMoves();
    fill(82, 184, 83, 185, Sentinel);
    waits.clear();
    flashMovableTokens();
    EXPECT_EQ(pixel(82, 184), Sentinel) << "nothing erased";
    EXPECT_EQ(waits, (std::vector<int>{150, 150, 150}));
}

TEST_F(RenderTokens, DiceRowLooks) {
    // Sixes 6, 6 and a 3: the first six played, the second selected.
    emptyPosition(EveryoneHuman, DefaultFlags | PickToken);
    setDice(3, 2, 1, false);
    game.pendingMove.dieIndex = 1;
    fillClient(White);
    drawDiceRow();
    expectPixels({
        {4, 250, PenGrey, "used six, face edge"},     {24, 250, PenGrey, "used six, offset edge"},
        {15, 244, PenGrey, "used six, offset top"},   {8, 249, PenGrey, "used six, pip"},
        {13, 254, White, "six, no centre pip"},       {28, 250, Black, "selected six, edge"},
        {30, 247, Light[0], "selected six, face"},    {42, 254, Black, "selected six, side pip"},
        {52, 250, Black, "normal three, edge"},       {54, 247, White, "normal three, face"},
        {61, 254, Black, "three, centre pip"},        {66, 259, Black, "three, last pip"},
        {66, 249, White, "three, no fourth pip"},     {76, 255, White, "nothing after the third die"},
    });
    // Three sixes: the first selected, the second normal, the third used.
    game.core.currentPlayer = 3;
    setDice(6, 3, 0, false);
    game.pendingMove.dieIndex = 0;
    fillClient(White);
    drawDiceRow();
    expectPixels({{6, 247, Light[3], "first six, selected"}, {30, 247, White, "second six, normal"},
                  {32, 254, Black, "second six, side pip"},  {52, 250, PenGrey, "third six, used"}});
    // A six rolled last, fewer than three: shown only among the sixes.
    setDice(6, 1, 0, false);
    fillClient(White);
    drawDiceRow();
    EXPECT_TRUE(uniform(27, 242, 80, 267, White));
}

TEST_F(RenderTokens, RollButtonFaceShadowAndCaption) {
    emptyPosition(EveryoneHuman, DefaultFlags | AwaitRoll);
    game.core.currentPlayer = 1;
    fillClient(White);
    drawRollButton();
    expectPixels({{220, 245, Black, "face, top edge"},   {234, 247, Black, "face, right edge"},
                  {206, 255, Black, "face, left edge"},  {208, 262, Light[1], "face"},
                  {235, 250, StockGrey, "shadow, right"}, {220, 264, StockGrey, "shadow, bottom"},
                  {236, 255, White, "beyond the shadow"}});
    EXPECT_TRUE(anyPixel(212, 248, 234, 262, Black)) << "caption";
    EXPECT_FALSE(anyPixel(207, 246, 234, 263, White)) << "caption background in the player's colour";
}

class RenderRoll : public RenderTokens {
protected:
    // The left edge of each frame, found on the screen at every pause.
    std::vector<int> frames;

    void onWait(int ms) override {
        RenderTest::onWait(ms);
        const int resource = 103 + static_cast<int>(frames.size() % 6);
        int found = -999;
        for (int x = -10; x <= 220 && found == -999; ++x)
            if (imageAt(resource, x, game.boardSize + 1)) found = x;
        frames.push_back(found);
    }
    static std::vector<int> steps(int first, int last) {
        std::vector<int> xs;
        for (int x = first; x >= last; x -= 15) xs.push_back(x);
        return xs;
    }
};

TEST_F(RenderRoll, HumanDieTumblesFromTheRollButton) {
    emptyPosition(EveryoneHuman, DefaultFlags | Rolling);
    fillClient(White);
    drawRollButton();
    const uint32_t start = GetTickCount();
    EXPECT_EQ(rollAnimation(true), -4);
    EXPECT_EQ(frames, steps(191, -4));
    EXPECT_EQ(waits, std::vector<int>(14, 50));
    EXPECT_EQ(GetTickCount() - start, 700u);
    EXPECT_TRUE(uniform(26, 241, 240, 267, White)) << "earlier frames and the Roll button are gone";

    // A third die stops at the first place below 68.
    frames.clear();
    fillClient(White);
    setDice(6, 2, 0, false);
    EXPECT_EQ(rollAnimation(true), 56);
    EXPECT_EQ(frames, steps(191, 56));
}

TEST_F(RenderRoll, ComputerDieEntersFromBeyondTheEdge) {
    emptyPosition(EveryoneHuman, DefaultFlags | Rolling);
    fillClient(White);
    fill(10, 250, 60, 260, Sentinel);  // a previous turn's dice
    EXPECT_EQ(rollAnimation(false), 7);
    std::vector<int> expected(13, 206);
    for (int x : steps(202, 7)) expected.push_back(x);
    EXPECT_EQ(frames, expected);
    EXPECT_FALSE(anyPixel(0, 241, 240, 267, Sentinel)) << "the dice area is cleared for a first roll";

    // A second roll keeps the first six on the screen.
    frames.clear();
    setDice(6, 1, 0, false);
    fillClient(White);
    drawDiceRow();
    EXPECT_EQ(rollAnimation(false), 37);
    EXPECT_EQ(pixel(4, 250), Black) << "the six stays";
}

}  // namespace
