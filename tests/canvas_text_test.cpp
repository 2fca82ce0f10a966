// DrawText in the board font: size and baseline, line breaks, opaque boxes, centring and clipping.
#include "tests/canvas_support.h"

class CanvasText : public CanvasTest {
protected:
    HFONT font = nullptr;
    void SetUp() override {
        CanvasTest::SetUp();
        font = CreateFontCellHeight(12);
        ASSERT_NE(font, nullptr);
        SelectObject(dc, font);
        // A grey ground shows where the text's white background box goes.
        SelectObject(dc, GetStockObject(GRAY_BRUSH));
        SelectObject(dc, GetStockObject(NULL_PEN));
        Rectangle(dc, 0, 0, Side + 1, Side + 1);
    }
    void TearDown() override {
        CanvasTest::TearDown();
        EXPECT_TRUE(DeleteObject(font));
    }
    // The smallest box holding every pixel of `colour` within the screen.
    static Rect extent(Colour colour) {
        Rect box{Side, Side, -1, -1};
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x)
                if (pixel(x, y) == colour)
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
        return box;
    }
};

TEST_F(CanvasText, TwelvePixelCellPutsCapitalsSevenHighOnTheBaseline) {
    const Rect area{2, 1, Side, Side};
    EXPECT_EQ(DrawText(dc, "T", 1, &area, DT_LEFT), 12);
    const Rect ink = extent(Black);
    EXPECT_EQ(ink.top, 1 + 3);
    EXPECT_EQ(ink.bottom, 1 + 9);
    // The background box is one cell tall, from the rectangle's left to the end of the text.
    const Rect box = extent(White);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.bottom, 12);
    EXPECT_EQ(pixel(box.right + 1, 5), Grey);
}

TEST_F(CanvasText, LinesBreakAtNewlinesOnly) {
    const Rect area{0, 0, Side, Side};
    EXPECT_EQ(DrawText(dc, "l\nl l", -1, &area, DT_LEFT), 24);
    // First line: one stroke; second line: two strokes separated by a space.
    auto strokesInRow = [](int y) {
        int strokes = 0;
        for (int x = 0; x < Side; ++x) strokes += pixel(x, y) == Black && (x == 0 || pixel(x - 1, y) != Black);
        return strokes;
    };
    EXPECT_EQ(strokesInRow(6), 1);
    EXPECT_EQ(strokesInRow(18), 2);
    EXPECT_EQ(extent(Black).bottom, 12 + 9);
}

TEST_F(CanvasText, TransparentModeLeavesTheGround) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Red);
    const Rect area{0, 0, Side, Side};
    DrawText(dc, "Hi", 2, &area, DT_LEFT);
    EXPECT_EQ(extent(White).right, -1);
    EXPECT_GE(extent(Red).right, 0);
}

TEST_F(CanvasText, TextIsClippedToItsRectangleAndTheSurface) {
    const Rect narrow{3, 2, 9, 9};
    DrawText(dc, "WWWW\nWWWW", -1, &narrow, DT_LEFT);
    const Rect ink = extent(Black);
    const Rect box = extent(White);
    EXPECT_GE(ink.left, 3);
    EXPECT_LE(ink.right, 8);
    EXPECT_LE(ink.bottom, 8);
    EXPECT_EQ(box.right, 8);
    EXPECT_EQ(box.bottom, 8);
    // A surface clip narrower than the rectangle wins.
    HDC clipped = openScreenDC(0, 0, Rect{0, 0, 20, 5});
    SelectObject(clipped, font);
    const Rect wide{0, 20, Side, Side};
    DrawText(clipped, "WWW", 3, &wide, DT_LEFT);
    closeScreenDC(clipped);
    EXPECT_EQ(extent(Black).bottom, 8);
}

TEST_F(CanvasText, CentredLinesShareTheSpareWidth) {
    const Rect area{0, 0, Side, Side};
    DrawText(dc, "ii\niiii", -1, &area, DT_CENTER);
    int left[2] = {Side, Side};
    int right[2] = {-1, -1};
    for (int line = 0; line < 2; ++line)
        for (int y = 12 * line; y < 12 * line + 12; ++y)
            for (int x = 0; x < Side; ++x)
                if (pixel(x, y) == White) {
                    left[line] = std::min(left[line], x);
                    right[line] = std::max(right[line], x);
                }
    for (int line = 0; line < 2; ++line) EXPECT_LE(std::abs(left[line] - (Side - 1 - right[line])), 1) << line;
    EXPECT_LT(left[1], left[0]);
}

TEST_F(CanvasText, ExtremeCellHeightsAreRefused) {
    EXPECT_EQ(CreateFontCellHeight(0), nullptr);
    EXPECT_EQ(CreateFontCellHeight(1000), nullptr);
    const Rect area{0, 0, Side, Side};
    EXPECT_EQ(DrawText(dc, "", 0, &area, DT_LEFT), 0);
    EXPECT_EQ(DrawText(dc, "x", 1, nullptr, DT_LEFT), 0);
    // Malformed UTF-8 still draws (a replacement glyph) and never reads past the length.
    EXPECT_EQ(DrawText(dc, "\xE2\x82", 2, &area, DT_LEFT), 12);
}
