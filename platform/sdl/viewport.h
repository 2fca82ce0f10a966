// Where the device screen sits in the desktop window: the largest whole-number scale, centred.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace viewport {

// The window opens at twice the device's size.
constexpr int DefaultScale = 2;

struct Placement {
    int scale;
    int x;  // the screen's top-left corner in window pixels
    int y;
    int width;  // the scaled screen in window pixels
    int height;
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
    return {scale, (windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

// Floors, so window pixels left of or above the screen (a captured drag) give negative coordinates.
constexpr int floorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

constexpr ScreenPoint toScreen(const Placement& place, int windowX, int windowY) {
    return {floorDiv(windowX - place.x, place.scale), floorDiv(windowY - place.y, place.scale)};
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
