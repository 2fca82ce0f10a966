// Screenshots: the framebuffer written as PNG reads back pixel for pixel; failures are reported.
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tests/canvas_support.h"
#include "tests/golden_pictures.h"

using CanvasPng = CanvasTest;

TEST_F(CanvasPng, ScreenshotRoundTripsEveryPixel) {
    initScreen(24, 60);
    uint32_t* pixels = screenPixelsMutable();
    for (int i = 0; i < 24 * 60; ++i) pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
    const std::string path = (std::filesystem::temp_directory_path() / "rendaro-canvas-png-test.png").string();
    ASSERT_TRUE(writeScreenPng(path.c_str()));
    const Picture back = readPngPicture(path);
    std::remove(path.c_str());
    EXPECT_EQ(back.width, 24);
    EXPECT_EQ(back.height, 60);
    EXPECT_EQ(back.pixels, std::vector<uint32_t>(screenPixels(), screenPixels() + 24 * 60));
}

TEST_F(CanvasPng, UnwritablePathOrEmptyScreenFails) {
    EXPECT_FALSE(writeScreenPng("/nonexistent-dir/shot.png"));
    EXPECT_FALSE(writeScreenPng(nullptr));
    initScreen(0, 0);
    EXPECT_FALSE(writeScreenPng((std::filesystem::temp_directory_path() / "rendaro-empty.png").c_str()));
    EXPECT_EQ(screenPixels(), nullptr);
    EXPECT_FALSE(Rectangle(dc, 0, 0, 4, 4));
}
