// The compiled-in pictures: every resource present at its size, 16 colours, white grounds where ANDed.
#include <set>

#include "resources/icon.h"
#include "tests/canvas_support.h"

namespace {

struct Expected {
    int id;
    int width;
    int height;
};

std::set<uint32_t> coloursOf(const ImageResource& image) {
    return {image.pixels, image.pixels + image.width * image.height};
}

bool cornersWhite(const ImageResource& image) {
    const int w = image.width;
    const int h = image.height;
    return image.pixels[0] == White && image.pixels[w - 1] == White && image.pixels[(h - 1) * w] == White &&
           image.pixels[h * w - 1] == White;
}

}  // namespace

TEST(CanvasImages, EveryImageIsPresentAtItsSizeIn16Colours) {
    const Expected expected[] = {{101, 32, 16}, {102, 13, 13}, {103, 30, 30}, {104, 30, 30}, {105, 30, 30},
                                 {106, 30, 30}, {107, 30, 30}, {108, 30, 30}, {109, 30, 30}, {110, 16, 16},
                                 {3, 32, 32}};
    for (const Expected& e : expected) {
        const ImageResource* image = findImage(e.id);
        ASSERT_NE(image, nullptr) << e.id;
        EXPECT_EQ(image->width, e.width) << e.id;
        EXPECT_EQ(image->height, e.height) << e.id;
        EXPECT_LE(coloursOf(*image).size(), 16u) << e.id;
        EXPECT_TRUE(coloursOf(*image).count(Black)) << e.id;
    }
    EXPECT_EQ(findImage(111), nullptr);
    EXPECT_EQ(findImage(0), nullptr);
    EXPECT_EQ(LoadBitmap(111), nullptr);
}

TEST(CanvasImages, PicturesOnWhiteGroundsAndTheDieFramesDiffer) {
    // The AND-copied pictures (102, 110) leave the square's colour around them.
    for (int id = 101; id <= 110; ++id) EXPECT_TRUE(cornersWhite(*findImage(id))) << id;
    // The die frames use only black, white and greys, and each frame is a new rotation.
    for (int id = 103; id <= 109; ++id) {
        for (uint32_t colour : coloursOf(*findImage(id))) {
            const uint32_t r = colour >> 16, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
            EXPECT_TRUE(r == g && g == b) << id;
        }
        if (id > 103) {
            const ImageResource& previous = *findImage(id - 1);
            EXPECT_FALSE(std::equal(previous.pixels, previous.pixels + 900, findImage(id)->pixels)) << id;
        }
    }
}

TEST(CanvasImages, IconComesInTwoSizes) {
    ASSERT_NE(findIcon(3, 32), nullptr);
    ASSERT_NE(findIcon(3, 16), nullptr);
    EXPECT_EQ(findIcon(3, 16)->height, 16);
    EXPECT_EQ(findIcon(3, 24), nullptr);
    EXPECT_EQ(findIcon(102, 13), nullptr);
    EXPECT_EQ(findImage(3), findIcon(3, 32));
}
