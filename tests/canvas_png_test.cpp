// Screenshots: the framebuffer written as PNG reads back pixel for pixel; failures are reported.
#include <png.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "tests/canvas_support.h"

using CanvasPng = CanvasTest;

namespace {

std::vector<uint32_t> readPng(const std::string& path, int& width, int& height) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    std::vector<uint32_t> pixels;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) pixels.push_back(RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
    return pixels;
}

}  // namespace

TEST_F(CanvasPng, ScreenshotRoundTripsEveryPixel) {
    initScreen(24, 60);
    uint32_t* pixels = screenPixelsMutable();
    for (int i = 0; i < 24 * 60; ++i) pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
    const std::string path = (std::filesystem::temp_directory_path() / "rendaro-canvas-png-test.png").string();
    ASSERT_TRUE(writeScreenPng(path.c_str()));
    int width = 0;
    int height = 0;
    const std::vector<uint32_t> back = readPng(path, width, height);
    std::remove(path.c_str());
    EXPECT_EQ(width, 24);
    EXPECT_EQ(height, 60);
    EXPECT_EQ(back, std::vector<uint32_t>(screenPixels(), screenPixels() + 24 * 60));
}

TEST_F(CanvasPng, UnwritablePathOrEmptyScreenFails) {
    EXPECT_FALSE(writeScreenPng("/nonexistent-dir/shot.png"));
    EXPECT_FALSE(writeScreenPng(nullptr));
    initScreen(0, 0);
    EXPECT_FALSE(writeScreenPng((std::filesystem::temp_directory_path() / "rendaro-empty.png").c_str()));
    EXPECT_EQ(screenPixels(), nullptr);
    EXPECT_FALSE(Rectangle(dc, 0, 0, 4, 4));
}
