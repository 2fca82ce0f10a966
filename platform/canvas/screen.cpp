// The device screen's framebuffer and the geometry of its bars.
#include "platform/canvas/screen.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t White = 0xFFFFFF;

struct Framebuffer {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

Framebuffer screen;

}  // namespace

void initScreen(int width, int height) {
    // A nonsensical size leaves an empty screen: nothing is drawn and screenshots fail.
    if (width <= 0 || height <= 0) width = height = 0;
    screen.width = width;
    screen.height = height;
    screen.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), White);
}

int screenWidthPixels() { return screen.width; }
int screenHeightPixels() { return screen.height; }
const uint32_t* screenPixels() { return screen.pixels.empty() ? nullptr : screen.pixels.data(); }
uint32_t* screenPixelsMutable() { return screen.pixels.empty() ? nullptr : screen.pixels.data(); }

int clientTop() { return TitleBarHeight; }
int clientHeight() { return std::max(0, screen.height - TitleBarHeight - MenuBarHeight); }
