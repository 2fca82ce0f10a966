// The drawing steps the shell's widgets share.
#include "platform/chrome/look.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/canvas/font.h"
#include "platform/canvas/screen.h"
#include "platform/canvas/screen_dc.h"
#include "platform/window/messages.h"

namespace look {

namespace {

Rect wholeScreen() { return {0, 0, screenWidthPixels(), screenHeightPixels()}; }

Colour blend(Colour from, Colour to) {
    auto channel = [&](int shift) { return ((from >> shift & 0xFF) + 2 * (to >> shift & 0xFF)) / 3 << shift; };
    return channel(16) | channel(8) | channel(0);
}

}  // namespace

// Kept for the whole run, and released before the canvas's own objects go at exit.
HFONT font() {
    static const std::unique_ptr<GdiObject, bool (*)(HGDIOBJ)> face(CreateFontCellHeight(FontCell), DeleteObject);
    return face.get();
}

ScreenSurface::ScreenSurface() : dc_(openScreenDC(0, 0, wholeScreen())) {}

ScreenSurface::~ScreenSurface() { closeScreenDC(dc_); }

void box(HDC dc, const Rect& r, Colour fill, Colour edge) {
    const Selected pen(dc, CreatePen(PS_SOLID, 1, edge), true);
    const Selected brush(dc, CreateSolidBrush(fill), true);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void text(HDC dc, const char* s, const Rect& r, Colour colour, Align align, bool bold) {
    const Selected face(dc, font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    const int top = r.top + (height(r) - FontCell) / 2;
    const uint32_t format = DT_SINGLELINE | (align == Align::Centre ? DT_CENTER : DT_LEFT);
    const int length = static_cast<int>(std::strlen(s));
    for (int dx = 0; dx <= (bold ? 1 : 0); ++dx) {
        const Rect line{r.left + dx, top, r.right + dx, top + FontCell};
        DrawText(dc, s, length, &line, format);
    }
}

void image(HDC dc, int resource, int srcX, int w, int h, int x, int y, uint32_t rop) {
    HBITMAP bitmap = LoadBitmap(resource);
    if (bitmap == nullptr) return;
    HDC memory = CreateCompatibleDC(dc);
    {
        const Selected picture(memory, bitmap);
        BitBlt(dc, x, y, w, h, memory, srcX, 0, rop);
    }
    DeleteDC(memory);
    DeleteObject(bitmap);
}

void fade(const Rect& r, Colour towards) {
    uint32_t* pixels = screenPixelsMutable();
    const int w = screenWidthPixels(), h = screenHeightPixels();
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, w); ++x)
            pixels[y * w + x] = blend(pixels[y * w + x], towards);
}

int stepKey(uint32_t key, uint32_t modifiers) {
    if (key == KeyTab) return modifiers == 0 ? 1 : modifiers == KeyShift ? -1 : 0;
    if (modifiers != 0) return 0;
    if (key == KeyDown || key == KeyRight) return 1;
    if (key == KeyUp || key == KeyLeft) return -1;
    return 0;
}

int textWidth(const char* s) {
    static Font measure(FontCell);
    return measure.textWidth(s, static_cast<int>(std::strlen(s)));
}

std::vector<std::string> wrapText(const char* s, int width) {
    std::vector<std::string> lines;
    std::string line, word;
    auto placeWord = [&] {
        if (word.empty()) return;
        const std::string joined = line.empty() ? word : line + " " + word;
        if (line.empty() || textWidth(joined.c_str()) <= width) {
            line = joined;
        } else {
            lines.push_back(line);
            line = word;
        }
        word.clear();
    };
    for (const char* p = s;; ++p) {
        if (*p == ' ' || *p == '\n' || *p == '\0') {
            placeWord();
            if (*p == ' ') continue;
            if (!line.empty() || *p == '\n') lines.push_back(line);
            line.clear();
            if (*p == '\0') break;
        } else {
            word += *p;
        }
    }
    return lines;
}

}  // namespace look
