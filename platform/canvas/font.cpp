// Looking glyphs up in the compiled-in table, and reading UTF-8.
#include "platform/canvas/font.h"

const GlyphBitmap& Font::glyph(char32_t code) const {
    static constexpr GlyphBitmap Nothing{};
    if (!size_) return Nothing;
    const bool held = code >= FontFirstCharacter && code <= FontLastCharacter;
    return size_->glyphs[held ? code - FontFirstCharacter : FontCharacters];
}

int Font::textWidth(const char* text, int length) const {
    int width = 0;
    for (int i = 0; i < length;) width += glyph(nextCodePoint(text, length, i)).advance;
    return width;
}

char32_t nextCodePoint(const char* text, int length, int& i) {
    constexpr char32_t Replacement = 0xFFFD;
    const auto lead = static_cast<uint8_t>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF8 ? -1 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0) return Replacement;
    char32_t code = lead & (0x3F >> extra);
    for (; extra > 0; --extra) {
        if (i >= length || (static_cast<uint8_t>(text[i]) & 0xC0) != 0x80) return Replacement;
        code = (code << 6) | (static_cast<uint8_t>(text[i++]) & 0x3F);
    }
    return code;
}
