// Where the device screen sits in a desktop window of any size, and the screen enlarged to fill it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <vector>

#include "platform/window/viewport.h"
#include "tests/game_positions.h"

// The height allows no more than twice the screen in 1000x700; 100x100 cuts it at both edges. A page
// shows the screen whole: whole multiples where it fits once, else shrunk, never stretched.
TEST(Viewport, TheLargestWholeScaleCentredOrAPageFittedWithin) {
    for (const auto& row : tableRows("screen_placements.txt")) {
        int width = 0, height = 0;
        ASSERT_EQ(std::sscanf(row.at(0).c_str(), "%dx%d", &width, &height), 2) << row[0];
        const viewport::Placement p = row.at(1) == "page" ? viewport::fitWithin(width, height, 240, 320)
                                                          : viewport::fit(width, height, 240, 320);
        std::ostringstream placed;
        placed << p.scale << ' ' << p.x << ' ' << p.y << ' ' << p.width << ' ' << p.height;
        EXPECT_EQ(placed.str(), row.at(2)) << row[0] << ' ' << row[1];
    }
}

TEST(Viewport, WindowPointsFloorToScreenPixels) {
    const viewport::Placement place = viewport::fit(1000, 700, 240, 320);
    const viewport::ScreenPoint inside = viewport::toScreen(place, place.x + 5, place.y + 3);
    EXPECT_EQ(inside.x, 2);
    EXPECT_EQ(inside.y, 1);
    const viewport::ScreenPoint left = viewport::toScreen(place, place.x - 1, place.y);
    EXPECT_EQ(left.x, -1);  // not 0: a drag off the left edge stays off the screen
}

TEST(Viewport, AShrunkPageMapsPointsBackToTheScreen) {
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
