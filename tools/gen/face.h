// The TrueType face rasterised monochrome by FreeType at a character-cell height, for the glyph table.
#pragma once
#include <cstdint>
#include <vector>

struct FT_FaceRec_;
struct FT_LibraryRec_;

struct RasterGlyph {
    int left = 0;  // from the pen position to the first column
    int top = 0;   // from the baseline up to the first row
    int width = 0;
    int rows = 0;
    int advance = 0;
    std::vector<uint64_t> bits;  // one per row: bit c set when pixel (c, r) is ink
};

class Face {
public:
    // The glyph a face draws for a character it does not have.
    static constexpr unsigned MissingGlyph = 0;
    static constexpr int MaxSide = 64;

    explicit Face(const char* path);
    ~Face();
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    bool valid() const { return face_ != nullptr; }
    // Sizes the face so that its Windows ascent plus descent is `cell` pixels; false when it cannot.
    bool setCellHeight(int cell);
    int ascent() const { return ascent_; }
    // MissingGlyph for a character the face lacks.
    unsigned glyphIndex(char32_t code) const;
    // False when FreeType cannot load the glyph; a glyph that is not a bitmap has only its advance.
    bool render(unsigned glyph, RasterGlyph& out) const;

private:
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
    int ascent_ = 0;
};
