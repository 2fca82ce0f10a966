// DrawText: lines broken at "\n", each on an opaque box of its own width, clipped to the rectangle.
#include <algorithm>
#include <cstring>

#include "platform/canvas/objects.h"

namespace {

void drawGlyph(const Surface& surface, const GlyphBitmap& glyph, int64_t penX, int64_t baseline, Colour colour) {
    const int64_t left = penX + glyph.left;
    const int64_t top = baseline - glyph.top;
    for (int r = 0; r < glyph.rows; ++r) {
        const int64_t y = top + r + surface.originY;
        if (y < surface.clip.top || y >= surface.clip.bottom) continue;
        uint32_t* row = surface.pixels + y * surface.stride;
        for (unsigned bits = glyph.bits[r]; bits != 0; bits &= bits - 1) {
            const int64_t x = left + __builtin_ctz(bits) + surface.originX;
            if (x >= surface.clip.left && x < surface.clip.right) row[x] = colour;
        }
    }
}

void drawLine(const DeviceContext& dc, const Surface& surface, const Font& font, const char* line, int length, int64_t x,
              int64_t y) {
    const int width = font.textWidth(line, length);
    if (dc.bkMode == OPAQUE && width > 0)
        fillBox(surface, x, y, x + width - 1, y + font.lineHeight() - 1, dc.bkColour);
    int64_t pen = x;
    for (int i = 0; i < length;) {
        const GlyphBitmap& glyph = font.glyph(nextCodePoint(line, length, i));
        drawGlyph(surface, glyph, pen, y + font.ascent(), dc.textColour);
        pen += glyph.advance;
    }
}

}  // namespace

int DrawText(HDC dc, const char* text, int length, const Rect* rect, uint32_t format) {
    const DeviceContext* live = liveDC(dc);
    if (!live || !text || !rect) return 0;
    const Font& font = live->font->font;
    if (!font.valid()) return 0;
    if (length < 0) length = static_cast<int>(std::strlen(text));
    auto surface = surfaceOf(*live);
    if (surface) {
        Rect& clip = surface->clip;
        clip.left = std::max(clip.left, rect->left + surface->originX);
        clip.top = std::max(clip.top, rect->top + surface->originY);
        clip.right = std::min(clip.right, rect->right + surface->originX);
        clip.bottom = std::min(clip.bottom, rect->bottom + surface->originY);
    }
    const bool visible = surface && surface->clip.left < surface->clip.right && surface->clip.top < surface->clip.bottom;
    int lines = 0;
    for (int start = 0; start <= length; ++lines) {
        const char* breakAt = format & DT_SINGLELINE ? nullptr
                                                      : static_cast<const char*>(std::memchr(text + start, '\n', static_cast<size_t>(length - start)));
        const int end = breakAt ? static_cast<int>(breakAt - text) : length;
        if (visible) {
            int64_t x = rect->left;
            if (format & DT_CENTER) x += (int64_t{rect->right} - rect->left - font.textWidth(text + start, end - start)) / 2;
            drawLine(*live, *surface, font, text + start, end - start, x, int64_t{rect->top} + int64_t{lines} * font.lineHeight());
        }
        start = end + 1;
    }
    return length == 0 ? 0 : lines * font.lineHeight();
}
