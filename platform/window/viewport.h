// Where the device screen sits in a window or a web page: the largest whole-number scale, centred.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace viewport {

// The window opens at twice the device's size.
constexpr int DefaultScale = 2;

struct Placement {
    int scale;  // 0 when the screen is shrunk to fit a window smaller than it (fitWithin only)
    int x;      // the screen's top-left corner in window pixels
    int y;
    int width;  // the scaled screen in window pixels
    int height;
    int screenWidth;  // the device screen in its own pixels
    int screenHeight;
};

struct ScreenPoint {
    int x;
    int y;
};

// Whole-number scaling keeps every device pixel a square block; the rest of the window is border.
// A window smaller than the screen still shows it at 1x, cut at the edges.
constexpr Placement fit(int windowWidth, int windowHeight, int screenWidth, int screenHeight) {
    int scale = std::max(1, std::min(windowWidth / screenWidth, windowHeight / screenHeight));
    int width = screenWidth * scale;
    int height = screenHeight * scale;
    return {scale, (windowWidth - width) / 2, (windowHeight - height) / 2, width, height, screenWidth, screenHeight};
}

// For a web page, which can show the screen smaller than itself: the whole-number scale where the
// screen fits once, else the largest size of the same aspect that fits, centred.
constexpr Placement fitWithin(int windowWidth, int windowHeight, int screenWidth, int screenHeight) {
    if (windowWidth >= screenWidth && windowHeight >= screenHeight)
        return fit(windowWidth, windowHeight, screenWidth, screenHeight);
    const bool widthRules = windowWidth * screenHeight <= windowHeight * screenWidth;
    const int width = widthRules ? windowWidth : windowHeight * screenWidth / screenHeight;
    const int height = widthRules ? windowWidth * screenHeight / screenWidth : windowHeight;
    return {0, (windowWidth - width) / 2, (windowHeight - height) / 2, width, height, screenWidth, screenHeight};
}

// Floors, so window pixels left of or above the screen (a captured drag) give negative coordinates.
constexpr int floorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

constexpr ScreenPoint toScreen(const Placement& place, int windowX, int windowY) {
    return {floorDiv((windowX - place.x) * place.screenWidth, place.width),
            floorDiv((windowY - place.y) * place.screenHeight, place.height)};
}

// Copies a frame with every pixel made a scale x scale block, into rows `stride` pixels apart. Done
// here, straight into the window's surface: SDL's general stretching costs some twenty times as much.
inline void enlarge(const uint32_t* frame, int width, int height, int scale, uint32_t* out, int stride) {
    for (int y = 0; y < height; ++y) {
        const uint32_t* from = frame + static_cast<ptrdiff_t>(y) * width;
        uint32_t* first = out + static_cast<ptrdiff_t>(y) * scale * stride;
        uint32_t* to = first;
        if (scale == DefaultScale) {  // the window as it opens: worth a loop the compiler can unroll
            for (int x = 0; x < width; ++x, to += DefaultScale) to[0] = to[1] = from[x];
        } else {
            for (int x = 0; x < width; ++x)
                for (int copy = 0; copy < scale; ++copy) *to++ = from[x];
        }
        for (int copy = 1; copy < scale; ++copy) std::memcpy(first + copy * stride, first, sizeof *first * width * scale);
    }
}

}  // namespace viewport
