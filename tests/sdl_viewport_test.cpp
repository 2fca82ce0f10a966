// Placing the device screen in the desktop window, and mapping mouse points back onto the screen.
#include <gtest/gtest.h>

#include "platform/sdl/viewport.h"

using viewport::fit;
using viewport::toScreen;

TEST(SdlViewport, ScaleIsTheLargestWholeNumberThatFitsBothWays) {
    struct Case {
        int windowWidth, windowHeight, scale;
    };
    for (const Case& c : {Case{480, 640, 2}, Case{240, 320, 1}, Case{719, 960, 2}, Case{720, 960, 3}, Case{2000, 640, 2},
                          Case{480, 2000, 2}, Case{100, 100, 1}, Case{0, 0, 1}}) {
        SCOPED_TRACE(testing::Message() << c.windowWidth << "x" << c.windowHeight);
        const auto place = fit(c.windowWidth, c.windowHeight, 240, 320);
        EXPECT_EQ(place.scale, c.scale);
        EXPECT_EQ(place.width, 240 * c.scale);
        EXPECT_EQ(place.height, 320 * c.scale);
    }
}

TEST(SdlViewport, LeftoverSpaceIsSharedEquallyAsBorders) {
    const auto exact = fit(480, 640, 240, 320);
    EXPECT_EQ(exact.x, 0);
    EXPECT_EQ(exact.y, 0);
    // Wider than needed: bars left and right; an odd leftover puts the extra pixel on the right.
    const auto wide = fit(801, 640, 240, 320);
    EXPECT_EQ(wide.x, 160);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(801 - wide.x - wide.width, 161);
    // Taller than needed: bars above and below.
    const auto tall = fit(480, 700, 240, 320);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, 30);
    // Smaller than the screen: 1x, centred, cut equally on both sides.
    const auto small = fit(200, 300, 240, 320);
    EXPECT_EQ(small.x, -20);
    EXPECT_EQ(small.y, -10);
}

TEST(SdlViewport, WindowPointsMapToTheDevicePixelUnderThem) {
    const auto place = fit(800, 960, 240, 320);  // 3x, a 40-pixel border left and right
    ASSERT_EQ(place.scale, 3);
    ASSERT_EQ(place.x, 40);
    EXPECT_EQ(toScreen(place, 40, 0).x, 0);
    EXPECT_EQ(toScreen(place, 42, 2).x, 0);
    EXPECT_EQ(toScreen(place, 43, 3).x, 1);
    EXPECT_EQ(toScreen(place, 43, 3).y, 1);
    EXPECT_EQ(toScreen(place, 759, 959).x, 239);
    EXPECT_EQ(toScreen(place, 759, 959).y, 319);
    // Beyond the screen (the border, or a drag captured outside the window) lies outside 0..239 x
    // 0..319, rounded down so that the pixel just left of the screen is -1, not 0.
    EXPECT_EQ(toScreen(place, 39, 0).x, -1);
    EXPECT_EQ(toScreen(place, 37, 0).x, -1);
    EXPECT_EQ(toScreen(place, 36, 0).x, -2);
    EXPECT_EQ(toScreen(place, 0, -1).y, -1);
    EXPECT_EQ(toScreen(place, 760, 960).x, 240);
    EXPECT_EQ(toScreen(place, 760, 960).y, 320);
}
