// FreeType rendering of the embedded face: sizes by character cell as the handheld measures it.
#include "platform/canvas/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>

extern const uint8_t rendaroFontData[];
extern const uint32_t rendaroFontData_size;

// One FreeType library for the whole program; every font shares it, so it outlives them all even when
// fonts still selected at exit are destroyed after it would otherwise have gone.
class FreeTypeLibrary {
public:
    FreeTypeLibrary() {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    }
    ~FreeTypeLibrary() {
        if (library_) FT_Done_FreeType(library_);
    }
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
    FT_Library get() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

namespace {

std::shared_ptr<FreeTypeLibrary> sharedLibrary() {
    static const auto library = std::make_shared<FreeTypeLibrary>();
    return library;
}

// The handheld measures a cell as the font's Windows ascent plus descent; FreeType's own cell request
// uses the typographic metrics instead, which for this face picks a size two pixels too large. So the
// pixel size is derived from the OS/2 Windows metrics, and that selects the matching bitmap strike.
bool setCellHeight(FT_Face face, int cell, int& ascent) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const int winCell = os2 ? os2->usWinAscent + os2->usWinDescent : 0;
    if (winCell <= 0) {
        FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_CELL, 0, cell * 64, 0, 0};
        if (FT_Request_Size(face, &request) != 0) return false;
        ascent = static_cast<int>((face->size->metrics.ascender + 63) / 64);
        return true;
    }
    const int ppem = std::max(1, (cell * face->units_per_EM + winCell / 2) / winCell);
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem)) != 0) return false;
    ascent = (cell * os2->usWinAscent + winCell / 2) / winCell;
    return true;
}

}  // namespace

Font::Font(int cellHeight) {
    library_ = sharedLibrary();
    if (cellHeight < 1 || cellHeight > MaxCellHeight || !library_->get()) return;
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(library_->get(), rendaroFontData, static_cast<FT_Long>(rendaroFontData_size), 0, &face) != 0)
        return;
    if (!setCellHeight(face, cellHeight, ascent_)) {
        FT_Done_Face(face);
        return;
    }
    face_ = face;
    lineHeight_ = cellHeight;
}

Font::~Font() {
    if (face_) FT_Done_Face(face_);
}

const Glyph& Font::glyph(char32_t code) {
    if (code < CachedGlyphs) {
        if (!cached_[code]) {
            render(code, cache_[code]);
            cached_[code] = true;
        }
        return cache_[code];
    }
    render(code, scratch_);
    return scratch_;
}

void Font::render(char32_t code, Glyph& out) {
    out = Glyph{};
    if (!face_ || FT_Load_Char(face_, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    out.advance = static_cast<int>((slot->advance.x + 32) / 64);
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return;
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = std::min<int>(static_cast<int>(bitmap.width), Glyph::MaxSide);
    out.rows = std::min<int>(static_cast<int>(bitmap.rows), Glyph::MaxSide);
    for (int r = 0; r < out.rows; ++r) {
        const uint8_t* row = bitmap.buffer + static_cast<ptrdiff_t>(r) * bitmap.pitch;
        for (int c = 0; c < out.width; ++c)
            if ((row[c / 8] >> (7 - c % 8)) & 1) out.bits[r] |= uint64_t{1} << c;
    }
}

int Font::textWidth(const char* text, int length) {
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
