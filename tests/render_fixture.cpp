// The drawing tests' bench: screen, window, resources, pixel reading and position building.
#include "tests/render_fixture.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "game/game_state.h"
#include "platform/headless/headless.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "render/layout.h"
#include "resources/assets.h"
#include "tests/game_positions.h"

namespace render_test {

namespace {

int32_t quietWindow(uint32_t, uint32_t, int32_t) { return 0; }

Colour& screenAt(int x, int y) { return screenPixelsMutable()[(y + clientTop()) * screenWidthPixels() + x]; }

bool onClient(int x, int y) { return x >= 0 && y >= 0 && x < screenWidthPixels() && y < clientHeight(); }

}  // namespace

void RenderTest::openScreen(int width, int height) {
    initScreen(width, height);
    // Another suite may have left its window; repaint requests work the same with it.
    ownWindow = CreateMainWindow(quietWindow);
    ASSERT_TRUE(createDrawingResources());
    initScreenLayout();
    const uint8_t kinds[4] = {Human, Computer, Human, Computer};
    emptyPosition(kinds, DefaultFlags);
    // The window starts wholly invalid; paint it once so that tests see only what they ask for.
    EndPaint(BeginPaint());
    waits.clear();
    setHeadlessTicks(1000);
    setHeadlessTrace([this](std::string_view line) {
        int ms = 0;
        if (std::sscanf(std::string(line).c_str(), "wait %d", &ms) == 1) onWait(ms);
    });
    drawSurface = GetDC();
    SelectObject(drawSurface, boardFont);
    SetBkMode(drawSurface, OPAQUE);
}

void RenderTest::closeScreen() {
    setHeadlessTrace(nullptr);
    if (drawSurface) ReleaseDC(drawSurface);
    drawSurface = nullptr;
    destroyDrawingResources();
    if (ownWindow) DestroyMainWindow();
}

Colour RenderTest::pixel(int x, int y) { return onClient(x, y) ? screenAt(x, y) : Sentinel; }

void RenderTest::fillClient(Colour colour) { fill(0, 0, screenWidthPixels(), clientHeight(), colour); }

void RenderTest::fill(int left, int top, int right, int bottom, Colour colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (onClient(x, y)) screenAt(x, y) = colour;
}

void RenderTest::expectPixels(const std::vector<Probe>& probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(pixel(p.x, p.y), p.colour) << p.what << " at (" << p.x << ", " << p.y << ")";
}

int RenderTest::countPixels(int left, int top, int right, int bottom, Colour colour) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += pixel(x, y) == colour ? 1 : 0;
    return n;
}

std::pair<int, int> RenderTest::extent(bool alongRow, int at, int from, int to, Colour ground) {
    std::pair<int, int> found{-1, -1};
    for (int i = from; i <= to; ++i)
        if ((alongRow ? pixel(i, at) : pixel(at, i)) != ground) {
            if (found.first < 0) found.first = i;
            found.second = i;
        }
    return found;
}

int RenderTest::imageMismatches(int resourceId, int x, int y, Colour ground) {
    const ImageResource* image = findImage(resourceId);
    if (image == nullptr) return -1;
    int mismatches = 0;
    for (int j = 0; j < image->height; ++j)
        for (int i = 0; i < image->width; ++i)
            if (onClient(x + i, y + j) && pixel(x + i, y + j) != (image->pixels[j * image->width + i] & ground))
                ++mismatches;
    return mismatches;
}

void emptyPosition(const uint8_t kinds[4], uint32_t flags) {
    const int16_t boardSize = game.boardSize;
    startPosition(flags);
    game.boardSize = boardSize;
    for (uint8_t p = 0; p < 4; ++p) game.players[p].kind = kinds[p];
    game.pendingMove.dieIndex = 0;
    for (uint8_t& choice : game.moveKindChoices) choice = None;
}

}  // namespace render_test
