// Where the device screen sits in a desktop window of any size, and the screen enlarged to fill it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/viewport.h"

TEST(Viewport, TheLargestWholeScaleCentred) {
    const viewport::Placement doubled = viewport::fit(480, 640, 240, 320);
    EXPECT_EQ(doubled.scale, 2);
    EXPECT_EQ(doubled.x, 0);
    const viewport::Placement wide = viewport::fit(1000, 700, 240, 320);
    EXPECT_EQ(wide.scale, 2);  // the height allows no more
    EXPECT_EQ(wide.x, (1000 - 480) / 2);
    EXPECT_EQ(wide.y, (700 - 640) / 2);
    const viewport::Placement small = viewport::fit(100, 100, 240, 320);
    EXPECT_EQ(small.scale, 1);
    EXPECT_EQ(small.x, (100 - 240) / 2);  // cut at both edges
}

TEST(Viewport, WindowPointsFloorToScreenPixels) {
    const viewport::Placement place = viewport::fit(1000, 700, 240, 320);
    const viewport::ScreenPoint inside = viewport::toScreen(place, place.x + 5, place.y + 3);
    EXPECT_EQ(inside.x, 2);
    EXPECT_EQ(inside.y, 1);
    const viewport::ScreenPoint left = viewport::toScreen(place, place.x - 1, place.y);
    EXPECT_EQ(left.x, -1);  // not 0: a drag off the left edge stays off the screen
}

TEST(Viewport, EnlargingMakesEveryPixelABlock) {
    const uint32_t frame[] = {1, 2, 3, 4, 5, 6};  // three wide, two high
    for (const int scale : {1, 2, 3}) {
        const int stride = 3 * scale + 2;  // rows of the window surface may be longer than the picture
        std::vector<uint32_t> out(static_cast<size_t>(stride) * 2 * scale, 0);
        viewport::enlarge(frame, 3, 2, scale, out.data(), stride);
        for (int y = 0; y < 2 * scale; ++y) {
            for (int x = 0; x < 3 * scale; ++x)
                EXPECT_EQ(out[y * stride + x], frame[(y / scale) * 3 + x / scale]) << scale << ": " << x << "," << y;
            EXPECT_EQ(out[y * stride + 3 * scale], 0u) << "written past the row at scale " << scale;
        }
    }
}
