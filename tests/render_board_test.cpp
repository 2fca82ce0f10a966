// The board picture read back pixel by pixel: outlines, colours, cell lines, places, marks, frames and stars.
#include "game/game_state.h"
#include "platform/window/messages.h"
#include "render/board.h"
#include "render/layout.h"
#include "tests/game_positions.h"
#include "tests/render_fixture.h"

using namespace render_test;

namespace {

constexpr uint8_t Teams[4] = {Human, Computer, Human, Computer};

class RenderBoard : public RenderTest {
protected:
    // A full repaint through the paint handler, as the platform asks for it.
    void repaint() {
        ReleaseDC(drawSurface);
        InvalidateRect(nullptr, true);
        paintWindow();
        drawSurface = GetDC();
    }
};

TEST_F(RenderBoard, BoardPictureAt240) {
    const uint8_t kinds[4] = {Absent, Absent, Absent, Absent};
    emptyPosition(kinds, DefaultFlags | Playing);
    repaint();
    expectPixels({
        {80, 20, Black, "top arm, left edge"},          {81, 20, White, "square 19"},
        {90, 240, Black, "bottom arm, outer edge"},     {90, 239, White, "square 44"},
        {5, 106, Black, "left middle lane, top"},       {5, 132, Black, "left middle lane, bottom"},
        {132, 5, Black, "top middle lane, right"},      {230, 106, Black, "right middle lane, top"},
        {106, 235, Black, "bottom middle lane, left"},  {119, 235, White, "square 43"},
        {5, 5, Light[1], "yard 1"},                     {160, 5, Black, "yard 2, left edge"},
        {235, 238, Light[3], "yard 3"},                 {5, 240, Black, "yard 0, lower edge"},
        {40, 120, Light[1], "square 50"},               {120, 40, Light[2], "square 54"},
        {224, 120, Black, "home column 3, outer end"},  {225, 120, White, "beside home column 3"},
        {120, 224, Black, "home column 0, outer end"},  {120, 225, White, "below home column 0"},
        {17, 81, Light[1], "square 12"},                {158, 17, Light[2], "square 23"},
        {223, 158, Light[3], "square 34"},              {81, 223, Light[0], "square 1"},
        {90, 120, Light[1], "triangle 1"},              {120, 90, Light[2], "triangle 2"},
        {150, 120, Light[3], "triangle 3"},             {120, 150, Light[0], "triangle 0"},
        {48, 85, Black, "left arm, line 3"},            {49, 85, White, "square 14"},
        {85, 48, Black, "top arm, line 3"},             {224, 150, Black, "right arm, line 4"},
        {85, 176, Black, "bottom arm, line 1"},         {85, 177, White, "square 3"},
        {133, 193, StockGrey, "square 40"},             {132, 192, Black, "square 40, corner"},
        {33, 133, StockGrey, "square 7"},               {193, 81, StockGrey, "square 29"},
        {9, 20, Dark[1], "colour 1 place 0, left rim"}, {20, 9, Dark[1], "colour 1 place 0, top rim"},
        {30, 20, White, "colour 1 place 0, right"},     {20, 30, White, "colour 1 place 0, bottom"},
        {8, 20, Light[1], "beside colour 1 place 0"},   {169, 60, Dark[2], "colour 2 place 2, left rim"},
    });
    // Square points of the track; the star's corner is six pixels up and left of each.
    const Probe stars[] = {{93, 216, Light[0], "1"},    {40, 146, StockGrey, "7"},  {24, 93, Light[1], "12"},
                           {93, 40, StockGrey, "18"},   {146, 24, Light[2], "23"},  {200, 93, StockGrey, "29"},
                           {216, 146, Light[3], "34"},  {146, 200, StockGrey, "40"}};
    for (const Probe& s : stars) expectImageAnd(102, s.x - 6, s.y - 6, s.colour);
}

TEST_F(RenderBoard, ComputerMarkOnlyInComputerYards) {
    const uint8_t kinds[4] = {Computer, Absent, Human, Absent};
    emptyPosition(kinds, DefaultFlags | Playing);
    repaint();
    // Colour 0's yard centre is (40, 200).
    expectPixels({
        {35, 193, Dark[0], "top bar, first"},     {42, 193, Dark[0], "top bar, last"},
        {43, 193, Light[0], "after top bar"},     {35, 202, Dark[0], "left bar, last"},
        {35, 203, Light[0], "below left bar"},    {34, 208, Dark[0], "bottom bar, first"},
        {45, 192, Dark[0], "right bar, top"},     {45, 208, Dark[0], "right bar, bottom"},
        {45, 209, Light[0], "below right bar"},   {36, 205, Dark[0], "dot 0"},
        {42, 205, Dark[0], "dot 3"},              {37, 205, Light[0], "between dots"},
        {36, 206, Light[0], "below dot 0"},       {195, 33, Light[2], "no mark for a person"},
        {35, 33, Light[1], "no mark for an absent colour"},
    });
}

TEST_F(RenderBoard, TurnFramesAndWinnerMarkersForEachColourOfTheSide) {
    const uint8_t kinds[4] = {Human, Absent, Computer, Absent};
    emptyPosition(kinds, DefaultFlags | Playing);
    repaint();
    expectPixels({{4, 200, Dark[0], "frame, left edge"},   {3, 200, Dark[0], "frame, outer half"},
                  {5, 200, Dark[0], "frame, inner half"},  {2, 200, Light[0], "left of the frame"},
                  {6, 200, Light[0], "inside the frame"},  {75, 200, Dark[0], "frame, right edge"},
                  {77, 200, Light[0], "right of the frame"}, {40, 235, Dark[0], "frame, bottom edge"},
                  {40, 237, Light[0], "below the frame"},  {164, 40, Light[2], "no frame for the other side"}});
    drawTurnMarker(true);
    EXPECT_TRUE(uniform(2, 162, 6, 238, Light[0])) << "frame erased to the yard's colour";

    emptyPosition(Teams, DefaultFlags | FlagPartners | GameOver);
    game.core.currentPlayer = 1;
    repaint();
    expectPixels({{4, 40, Dark[1], "colour 1 frame"}, {164, 200, Dark[3], "partner colour 3 frame"},
                  {4, 200, Light[0], "colour 0 not framed"}, {45, 48, Light[1], "mark under the light square"}});
    // The light square clears the computer mark; the small die is AND-copied over it.
    expectImageAnd(110, 32, 32, Light[1]);
    expectImageAnd(110, 192, 192, Light[3]);
    EXPECT_TRUE(uniform(32, 192, 48, 208, Light[0])) << "no marker for the losing side";

    emptyPosition(Teams, DefaultFlags | GameOver);
    game.core.currentPlayer = 2;
    repaint();
    expectImageAnd(110, 192, 32, Light[2]);
    EXPECT_FALSE(uniform(192, 192, 208, 208, Light[3])) << "colour 3 keeps its mark without partners";
}

TEST_F(RenderBoard, FormulasScaleToA480Board) {
    closeScreen();
    openScreen(480, 640);
    const uint8_t kinds[4] = {Human, Absent, Absent, Absent};
    emptyPosition(kinds, DefaultFlags | AwaitRoll);
    repaint();
    expectPixels({
        {5, 213, Black, "left middle lane, top"},      {5, 265, Black, "left middle lane, bottom"},
        {5, 214, White, "square 10"},                  {33, 161, Light[1], "colour 1 start square"},
        {64, 170, Black, "start square, right edge"},  {65, 170, White, "square 13"},
        {19, 40, Dark[1], "colour 1 place 0, left rim"}, {40, 19, Dark[1], "colour 1 place 0, top rim"},
        {40, 40, White, "colour 1 place 0, centre"},   {18, 40, Light[1], "yard 1"},
        {4, 400, Dark[0], "turn frame, left"},         {155, 400, Dark[0], "turn frame, right"},
        {7, 400, Light[0], "inside the turn frame"},   {460, 485, Black, "Roll face, top"},
        {449, 490, Light[0], "Roll face"},
    });
    expectImageAnd(102, 186 - 6, 432 - 6, Light[0]);
}

}  // namespace
