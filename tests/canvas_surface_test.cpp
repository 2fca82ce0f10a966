// Device contexts and image copies: default state, objects, origins and clips, memory surfaces, BitBlt.
#include <algorithm>

#include "resources/assets.h"
#include "tests/canvas_support.h"

using CanvasSurface = CanvasTest;

TEST_F(CanvasSurface, ScreenMetricsAndBars) {
    initScreen(240, 320);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 320);
    EXPECT_EQ(clientTop(), 26);
    EXPECT_EQ(clientHeight(), 268);
    initScreen(480, 640);
    EXPECT_EQ(clientHeight(), 588);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 480);
}

TEST_F(CanvasSurface, DefaultStateAndStockObjects) {
    // Black pen, white brush: a grey ground shows both.
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 0, 0, 6, 5);
    HDC fresh = openScreenDC(0, 0, Rect{0, 0, Side, Side});
    Rectangle(fresh, 0, 0, 4, 4);
    closeScreenDC(fresh);
    EXPECT_EQ(art(0, 0, 6, 5), rows({"####o.", "#..#o.", "#..#o.", "####o.", "......"}));
    EXPECT_EQ(GetStockObject(3), nullptr);
    EXPECT_EQ(GetStockObject(99), nullptr);
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
}

TEST_F(CanvasSurface, SelectReturnsThePreviousObjectOfTheSameKind) {
    HGDIOBJ pen = GetStockObject(WHITE_PEN);
    HGDIOBJ brush = GetStockObject(BLACK_BRUSH);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    EXPECT_EQ(oldPen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(oldBrush, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, oldPen), pen);
    EXPECT_EQ(SelectObject(dc, oldBrush), brush);
    EXPECT_EQ(SelectObject(nullptr, pen), nullptr);
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkColor(dc, Red), White);
    EXPECT_EQ(SetTextColor(dc, Grey), Black);
    EXPECT_EQ(SetBkMode(nullptr, OPAQUE), 0);
}

TEST_F(CanvasSurface, DeletingASelectedObjectPutsTheDefaultBack) {
    HBRUSH red = CreateSolidBrush(Red);
    SelectObject(dc, red);
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_FALSE(DeleteObject(red));
    Rectangle(dc, 0, 0, 3, 3);
    EXPECT_EQ(pixel(1, 1), White);
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    Rectangle(dc, 4, 0, 7, 3);
    EXPECT_EQ(pixel(4, 0), Black);
}

TEST_F(CanvasSurface, OriginOffsetsAndClipBoundTheDrawing) {
    HDC client = openScreenDC(5, 26, Rect{0, 26, Side, 34});
    initScreen(Side, 60);
    SelectObject(client, GetStockObject(GRAY_BRUSH));
    Rectangle(client, -3, -3, 1000, 1000);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < Side; ++x) {
            const Colour expected = y < 26 || y >= 34 || x < 2 ? White : x == 2 ? Black : Grey;
            ASSERT_EQ(screenPixels()[y * Side + x], expected) << x << "," << y;
        }
    closeScreenDC(client);
}

TEST_F(CanvasSurface, HugeCoordinatesAreClippedNotWalked) {
    const Point line[] = {{-2000000000, 3}, {2000000000, 3}};
    EXPECT_TRUE(Polyline(dc, line, 2));
    EXPECT_TRUE(Rectangle(dc, -2147483647, 10, 2147483647, 11));
    EXPECT_EQ(std::count(screenPixels() + 3 * Side, screenPixels() + 4 * Side, Black), Side);
    EXPECT_EQ(std::count(screenPixels() + 10 * Side, screenPixels() + 11 * Side, Black), Side);
}

TEST_F(CanvasSurface, MemorySurfaceDrawsIntoItsBitmap) {
    HDC memory = CreateCompatibleDC(dc);
    ASSERT_NE(memory, nullptr);
    // Without a bitmap there is nothing to draw on or copy from.
    EXPECT_FALSE(Rectangle(memory, 0, 0, 5, 5));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 5, 5, memory, 0, 0, SRCCOPY));
    HBITMAP star = LoadBitmap(102);
    ASSERT_NE(star, nullptr);
    const HGDIOBJ empty = SelectObject(memory, star);
    SelectObject(memory, GetStockObject(NULL_PEN));
    SelectObject(memory, GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Rectangle(memory, 0, 0, 3, 3));
    EXPECT_TRUE(BitBlt(dc, 10, 10, 13, 13, memory, 0, 0, SRCCOPY));
    EXPECT_EQ(art(10, 10, 3, 2), rows({"##.", "##."}));
    // The image resource itself is untouched; only the loaded copy changed.
    EXPECT_EQ(findImage(102)->pixels[0], White);
    SelectObject(memory, empty);
    EXPECT_TRUE(DeleteObject(star));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_FALSE(DeleteDC(memory));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(CreateCompatibleDC(nullptr), nullptr);
}

TEST_F(CanvasSurface, AndCopyKeepsTheGroundUnderWhiteAndReplaceCopiesAll) {
    const Colour lightRed = RGB(255, 136, 136);
    HBRUSH ground = CreateSolidBrush(lightRed);
    SelectObject(dc, ground);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 0, 0, Side + 1, Side + 1);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP star = LoadBitmap(102);
    const HGDIOBJ empty = SelectObject(memory, star);
    // Partly off the left edge: the visible part lands, the rest is dropped.
    EXPECT_TRUE(BitBlt(dc, -4, 2, 13, 13, memory, 0, 0, SRCAND));
    EXPECT_TRUE(BitBlt(dc, 20, 2, 13, 13, memory, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dc, 20, 2, 13, 13, memory, 0, 0, 0x00EE0086));
    const ImageResource* image = findImage(102);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x) {
            const Colour source = image->pixels[y * 13 + x];
            if (x >= 4) {
                ASSERT_EQ(pixel(x - 4, y + 2), source & lightRed) << x << "," << y;
            }
            ASSERT_EQ(pixel(20 + x, y + 2), source);
        }
    EXPECT_EQ(pixel(34, 2), lightRed);
    SelectObject(memory, empty);
    DeleteObject(star);
    DeleteDC(memory);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(ground);
}

TEST_F(CanvasSurface, OverlappingCopyWithinTheScreenMovesTheOriginalPixels) {
    const Point dots[] = {{0, 0}, {3, 0}};
    Polyline(dc, dots, 2);
    EXPECT_TRUE(BitBlt(dc, 1, 0, 6, 1, dc, 0, 0, SRCCOPY));
    EXPECT_EQ(art(0, 0, 8, 1), rows({"####...."}));
}
