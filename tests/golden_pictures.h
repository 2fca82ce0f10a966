// Golden screenshots: whole-screen pictures compared pixel for pixel with PNG files kept in tests/golden/.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// Row-major 0x00RRGGBB pixels.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// The whole screen as it is now, title and menu bars included.
Picture screenPicture();
// A PNG file read back as pixels; an empty picture when it cannot be read.
Picture readPngPicture(const std::string& path);
// `actual` against tests/golden/NAME.png. A mismatch names the differing pixel count and the first
// difference, and leaves the actual picture beside the test program as NAME.actual.png. With
// RENDARO_UPDATE_GOLDEN=1 in the environment the golden file is rewritten instead.
testing::AssertionResult matchesGolden(const std::string& name, const Picture& actual);
