// The compiled-in glyph table against FreeType's own rendering of the face it was made from, at every
// cell height it holds, for every character the game could ask for, held or not.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "platform/canvas/draw.h"
#include "platform/canvas/font.h"
#include "tools/gen/face.h"

namespace {

constexpr int HeldCellHeights[] = {RENDARO_FONT_CELL_HEIGHTS};
// Latin-1 and Latin Extended-A, which the face has but the table leaves out, and what malformed or
// out-of-range UTF-8 decodes to.
constexpr char32_t LastCheckedCode = 0x17F;
constexpr char32_t FarCodes[] = {0xFFFD, 0x10FFFF, 0xFFFFFFFF};

void expectSameGlyph(const GlyphBitmap& table, const RasterGlyph& face, int cell, char32_t code) {
    SCOPED_TRACE(testing::Message() << "cell height " << cell << ", code point " << static_cast<uint32_t>(code));
    EXPECT_EQ(table.left, face.left);
    EXPECT_EQ(table.top, face.top);
    EXPECT_EQ(table.width, face.width);
    EXPECT_EQ(table.advance, face.advance);
    ASSERT_EQ(table.rows, face.rows);
    for (int r = 0; r < face.rows; ++r) EXPECT_EQ(table.bits[r], face.bits[static_cast<size_t>(r)]) << "row " << r;
}

}  // namespace

TEST(FontTable, EveryGlyphIsTheFacesOwnAndTheRestDrawItsMissingBox) {
    Face face(RENDARO_FONT_FILE);
    ASSERT_TRUE(face.valid());
    for (const int cell : HeldCellHeights) {
        ASSERT_TRUE(face.setCellHeight(cell));
        const Font font(cell);
        ASSERT_TRUE(font.valid());
        EXPECT_EQ(font.lineHeight(), cell);
        EXPECT_EQ(font.ascent(), face.ascent());
        auto check = [&](char32_t code) {
            const bool held = code >= U' ' && code <= U'~';
            RasterGlyph expected;
            ASSERT_TRUE(face.render(held ? face.glyphIndex(code) : Face::MissingGlyph, expected));
            expectSameGlyph(font.glyph(code), expected, cell, code);
        };
        for (char32_t code = 0; code <= LastCheckedCode; ++code) check(code);
        for (const char32_t code : FarCodes) check(code);
    }
}

TEST(FontTable, OnlyTheHeldCellHeightsMakeAFont) {
    for (int cell = -1; cell <= 64; ++cell) {
        const bool held = std::find(std::begin(HeldCellHeights), std::end(HeldCellHeights), cell) != std::end(HeldCellHeights);
        const Font font(cell);
        EXPECT_EQ(font.valid(), held) << cell;
        EXPECT_EQ(font.textWidth("Roll!", 5) > 0, held) << cell;
        const HFONT created = CreateFontCellHeight(cell);
        EXPECT_EQ(created != nullptr, held) << cell;
        if (created) DeleteObject(created);
    }
}
