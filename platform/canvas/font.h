// The board font: the compiled-in glyph table of the Tahoma-compatible face at one character-cell height.
#pragma once
#include "resources/assets.h"

class Font {
public:
    Font() = default;
    // The table holds the cell heights the program draws at; any other gives a font that is not valid(),
    // whose glyphs are empty: text in it measures nothing and draws nothing.
    explicit Font(int cellHeight) : size_(findFontSize(cellHeight)) {}

    bool valid() const { return size_ != nullptr; }
    // Of a valid() font only.
    int lineHeight() const { return size_->cellHeight; }
    int ascent() const { return size_->ascent; }
    // The glyph of a Unicode code point; one the table does not hold draws as the face's missing-character box.
    const GlyphBitmap& glyph(char32_t code) const;
    // Sum of the advances of a UTF-8 run.
    int textWidth(const char* text, int length) const;

private:
    const FontSize* size_ = nullptr;
};

// Decodes one UTF-8 code point at text[i] (i < length) and advances i; malformed bytes give U+FFFD.
char32_t nextCodePoint(const char* text, int length, int& i);
