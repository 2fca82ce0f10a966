// The board font: the embedded Tahoma-compatible face rendered monochrome at a character-cell height.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

struct FT_FaceRec_;
class FreeTypeLibrary;

struct Glyph {
    static constexpr int MaxSide = 64;
    int left = 0;     // from the pen position to the first column
    int top = 0;      // from the baseline up to the first row
    int width = 0;
    int rows = 0;
    int advance = 0;
    std::array<uint64_t, MaxSide> bits{};  // bit c of row r set: pixel (c, r) is ink
};

class Font {
public:
    // Cell heights from 1 to MaxCellHeight; check valid() afterwards.
    static constexpr int MaxCellHeight = 48;
    explicit Font(int cellHeight);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool valid() const { return face_ != nullptr; }
    int lineHeight() const { return lineHeight_; }
    int ascent() const { return ascent_; }
    // The glyph of a Unicode code point; ASCII glyphs are rendered once and kept.
    const Glyph& glyph(char32_t code);
    // Sum of the advances of a UTF-8 run.
    int textWidth(const char* text, int length);

private:
    static constexpr int CachedGlyphs = 128;
    void render(char32_t code, Glyph& out);

    std::shared_ptr<FreeTypeLibrary> library_;
    FT_FaceRec_* face_ = nullptr;
    int lineHeight_ = 0;
    int ascent_ = 0;
    std::array<Glyph, CachedGlyphs> cache_{};
    std::array<bool, CachedGlyphs> cached_{};
    Glyph scratch_{};
};

// Decodes one UTF-8 code point at text[i] (i < length) and advances i; malformed bytes give U+FFFD.
char32_t nextCodePoint(const char* text, int length, int& i);
