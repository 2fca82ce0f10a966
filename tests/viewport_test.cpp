// Where the device screen sits in a desktop window of any size, and the screen enlarged to fill it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/window/viewport.h"

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

// A page shows the screen whole: whole multiples where it fits once, else shrunk, never stretched.
TEST(Viewport, APageFitsTheScreenWithinItself) {
    struct Row {
        int pageWidth, pageHeight;
        int scale, x, y, width, height;
    };
    const Row rows[] = {
        {1080, 1920, 4, 60, 320, 960, 1280},  // a phone upright
        {240, 320, 1, 0, 0, 240, 320},
        {200, 400, 0, 0, 67, 200, 266},  // too narrow: the width rules
        {300, 160, 0, 90, 0, 120, 160},  // too low: the height rules
    };
    for (const Row& row : rows) {
        const viewport::Placement place = viewport::fitWithin(row.pageWidth, row.pageHeight, 240, 320);
        EXPECT_EQ(place.scale, row.scale) << row.pageWidth;
        EXPECT_EQ(place.x, row.x) << row.pageWidth;
        EXPECT_EQ(place.y, row.y) << row.pageWidth;
        EXPECT_EQ(place.width, row.width) << row.pageWidth;
        EXPECT_EQ(place.height, row.height) << row.pageWidth;
    }
    const viewport::Placement shrunk = viewport::fitWithin(120, 160, 240, 320);
    const viewport::ScreenPoint corner = viewport::toScreen(shrunk, 119, 159);
    EXPECT_EQ(corner.x, 238);
    EXPECT_EQ(corner.y, 318);
    EXPECT_EQ(viewport::toScreen(shrunk, -1, 0).x, -2);
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
