// The compiled-in font, images and sounds, generated at build time from the sources in resources/.
#pragma once
#include <cstdint>

struct ImageResource {
    int id;
    int width;
    int height;
    const uint32_t* pixels;  // 0x00RRGGBB, row-major
};

// Null when there is no such image.
const ImageResource* findImage(int id);
// A complete RIFF WAVE file; null when there is no such cue.
const uint8_t* findSound(const char* name, uint32_t& size);

// One glyph of the board font, as FreeType rendered it monochrome when the program was built.
struct GlyphBitmap {
    int8_t left;  // from the pen position to the first column
    int8_t top;   // from the baseline up to the first row
    uint8_t width;
    uint8_t rows;
    uint8_t advance;
    const uint16_t* bits;  // one per row: bit c set when pixel (c, r) is ink
};

// The characters the font holds: printable ASCII, all the game's texts use.
constexpr char32_t FontFirstCharacter = U' ';
constexpr char32_t FontLastCharacter = U'~';
constexpr int FontCharacters = static_cast<int>(FontLastCharacter - FontFirstCharacter) + 1;

// The font at one character-cell height.
struct FontSize {
    int cellHeight;
    int ascent;  // from the cell's top down to the baseline
    // FontCharacters glyphs in character order, then the face's box for a character it does not have.
    const GlyphBitmap* glyphs;
};

// Null for a cell height the build did not rasterise.
const FontSize* findFontSize(int cellHeight);
