// The drawing tests' bench: a real screen with the main window, the drawing resources and a position to draw.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/canvas/draw.h"

namespace render_test {

constexpr Colour White = RGB(255, 255, 255);
constexpr Colour Black = RGB(0, 0, 0);
constexpr Colour StockGrey = RGB(128, 128, 128);
constexpr Colour PenGrey = RGB(136, 136, 136);
constexpr Colour Sentinel = RGB(255, 0, 255);  // never drawn by the game
constexpr Colour Light[4] = {RGB(255, 136, 136), RGB(136, 136, 255), RGB(255, 255, 136), RGB(136, 255, 136)};
constexpr Colour Dark[4] = {RGB(136, 0, 0), RGB(0, 0, 136), RGB(136, 136, 0), RGB(0, 136, 0)};
constexpr Colour Medium[4] = {RGB(204, 68, 68), RGB(68, 68, 204), RGB(204, 204, 68), RGB(68, 204, 68)};

// One expected pixel of the client area, with what it shows for the failure message.
struct Probe {
    int x, y;
    Colour colour;
    const char* what;
};

class RenderTest : public testing::Test {
protected:
    void SetUp() override { openScreen(240, 320); }
    void TearDown() override { closeScreen(); }

    // A fresh screen of this size filled white, the window, resources, layout and an empty position.
    void openScreen(int width, int height);
    void closeScreen();

    // Client pixel (x, y); Sentinel outside the screen.
    static Colour pixel(int x, int y);
    static void fillClient(Colour colour);
    static void fill(int left, int top, int right, int bottom, Colour colour);
    static void expectPixels(const std::vector<Probe>& probes);
    // How many pixels of the client rectangle (right and bottom exclusive) have this colour.
    static int countPixels(int left, int top, int right, int bottom, Colour colour);
    static bool anyPixel(int left, int top, int right, int bottom, Colour colour) {
        return countPixels(left, top, right, bottom, colour) > 0;
    }
    static bool uniform(int left, int top, int right, int bottom, Colour colour) {
        return countPixels(left, top, right, bottom, colour) == (right - left) * (bottom - top);
    }
    // The first and last x (or y) of a row (or column) segment that differ from `ground`; -1 when none.
    static std::pair<int, int> extent(bool alongRow, int at, int from, int to, Colour ground);
    // Visible pixels of image resource id at (x, y) that differ from image AND ground; -1 without the image.
    static int imageMismatches(int resourceId, int x, int y, Colour ground);
    static void expectImageAnd(int resourceId, int x, int y, Colour ground) {
        EXPECT_EQ(imageMismatches(resourceId, x, y, ground), 0) << "image " << resourceId << " at " << x << ", " << y;
    }
    // The visible part of an image copied unchanged at (x, y).
    static bool imageAt(int resourceId, int x, int y) { return imageMismatches(resourceId, x, y, White) == 0; }

    bool ownWindow = false;
    // Waits made since the screen was opened, as the clock's trace reports them; onWait sees each one.
    std::vector<int> waits;
    virtual void onWait(int ms) { waits.push_back(ms); }
};

// Position set-up: every colour's kind, all tokens in the yard, the given flags word, colour 0 to play.
void emptyPosition(const uint8_t kinds[4], uint32_t flags);

}  // namespace render_test
