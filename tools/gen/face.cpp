// FreeType rendering of the face: sizes by character cell as the handheld measures it.
#include "tools/gen/face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>

Face::Face(const char* path) {
    if (FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
        return;
    }
    if (FT_New_Face(library_, path, 0, &face_) != 0) face_ = nullptr;
}

Face::~Face() {
    if (face_) FT_Done_Face(face_);
    if (library_) FT_Done_FreeType(library_);
}

// The handheld measures a cell as the font's Windows ascent plus descent; FreeType's own cell request
// uses the typographic metrics instead, which for this face picks a size two pixels too large. So the
// pixel size is derived from the OS/2 Windows metrics, and that selects the matching bitmap strike.
bool Face::setCellHeight(int cell) {
    if (!face_ || cell < 1) return false;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const int winCell = os2 ? os2->usWinAscent + os2->usWinDescent : 0;
    if (winCell <= 0) {
        FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_CELL, 0, cell * 64, 0, 0};
        if (FT_Request_Size(face_, &request) != 0) return false;
        ascent_ = static_cast<int>((face_->size->metrics.ascender + 63) / 64);
        return true;
    }
    const int ppem = std::max(1, (cell * face_->units_per_EM + winCell / 2) / winCell);
    if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(ppem)) != 0) return false;
    ascent_ = (cell * os2->usWinAscent + winCell / 2) / winCell;
    return true;
}

unsigned Face::glyphIndex(char32_t code) const { return face_ ? FT_Get_Char_Index(face_, code) : MissingGlyph; }

bool Face::render(unsigned glyph, RasterGlyph& out) const {
    out = RasterGlyph{};
    if (!face_ || FT_Load_Glyph(face_, glyph, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return false;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    out.advance = static_cast<int>((slot->advance.x + 32) / 64);
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return true;
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = std::min<int>(static_cast<int>(bitmap.width), MaxSide);
    out.rows = std::min<int>(static_cast<int>(bitmap.rows), MaxSide);
    out.bits.assign(static_cast<size_t>(out.rows), 0);
    for (int r = 0; r < out.rows; ++r) {
        const uint8_t* row = bitmap.buffer + static_cast<ptrdiff_t>(r) * bitmap.pitch;
        for (int c = 0; c < out.width; ++c)
            if ((row[c / 8] >> (7 - c % 8)) & 1) out.bits[static_cast<size_t>(r)] |= uint64_t{1} << c;
    }
    return true;
}
