// The look shared by the shell's widgets: colours, the face, and the few drawing steps they repeat.
#pragma once
#include <string>
#include <vector>

#include "platform/canvas/draw.h"

namespace look {

constexpr Colour Black = RGB(0, 0, 0);
constexpr Colour White = RGB(255, 255, 255);
constexpr Colour TitleBlue = RGB(16, 52, 148);
constexpr Colour BarGrey = RGB(214, 214, 214);
constexpr Colour BarEdge = RGB(128, 128, 128);
constexpr Colour PressedGrey = RGB(168, 168, 168);
constexpr Colour Highlight = RGB(16, 52, 148);

// The shell's text: the game's Tahoma-compatible face at the cell height of an 8-point "System" font.
constexpr int FontCell = 13;
HFONT font();

// Pixels from the screen's top-left corner.
inline bool contains(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }
inline int width(const Rect& r) { return r.right - r.left; }
inline int height(const Rect& r) { return r.bottom - r.top; }

// An object selected into a device context for as long as this lives; the one it replaced is
// selected back at the end, and an object created for the purpose (`owned`) is then deleted.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object, bool owned = false)
        : dc_(dc), object_(object), owned_(owned), previous_(SelectObject(dc, object)) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() {
        SelectObject(dc_, previous_);
        if (owned_) DeleteObject(object_);
    }

private:
    HDC dc_;
    HGDIOBJ object_;
    bool owned_;
    HGDIOBJ previous_;
};

// A surface over the whole screen for as long as it lives.
class ScreenSurface {
public:
    ScreenSurface();
    ScreenSurface(const ScreenSurface&) = delete;
    ScreenSurface& operator=(const ScreenSurface&) = delete;
    ~ScreenSurface();
    HDC dc() const { return dc_; }

private:
    HDC dc_;
};

// The rectangle filled with `fill`; a 1-pixel outline in `edge` when the two differ.
void box(HDC dc, const Rect& r, Colour fill, Colour edge);
// One line of text, vertically centred in r, left-aligned at r.left or centred across r. Bold is
// drawn twice, one pixel apart, as the shell's captions look.
enum class Align { Left, Centre };
void text(HDC dc, const char* s, const Rect& r, Colour colour, Align align, bool bold = false);
// Copies a w x h part of an image resource to (x, y) with the raster operation; nothing when there
// is no such image.
void image(HDC dc, int resource, int srcX, int w, int h, int x, int y, uint32_t rop = SRCCOPY);
// Moves every pixel of r two thirds of the way towards `towards`: the disabled look.
void fade(const Rect& r, Colour towards);

// The keys that move a mark through a list: +1 for Down, Right and Tab, -1 for Up, Left and Shift+Tab,
// 0 for any other key or modifier.
int stepKey(uint32_t key, uint32_t modifiers);

// The width of a line of text in pixels.
int textWidth(const char* s);
// Breaks text into lines no wider than `width` at spaces (and at "\n"); a word wider than that stands alone.
std::vector<std::string> wrapText(const char* s, int width);

}  // namespace look
