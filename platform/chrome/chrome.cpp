// The chrome as a whole: drawing the bars and open widgets, and sending each stylus press and release
// to whoever owns it.
#include "platform/chrome/chrome.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/canvas/screen.h"
#include "platform/chrome/look.h"
#include "platform/chrome/parts.h"
#include "platform/window/messages.h"
#include "platform/window/widget.h"

namespace {

// Who took the last press: its release goes there too, wherever it lands.
enum class PenOwner { Nobody, Widget, TitleBar, MenuBar, Client };
PenOwner owner = PenOwner::Nobody;

PenOwner ownerAt(Point p) {
    if (topWidget() != nullptr) return PenOwner::Widget;
    if (look::contains(titleBarRect(), p)) return PenOwner::TitleBar;
    if (look::contains(menuBarRect(), p)) return PenOwner::MenuBar;
    if (look::contains(clientAreaRect(), p)) return PenOwner::Client;
    return PenOwner::Nobody;
}

// Pen messages carry 16-bit coordinates: computed wide, so no screen point can overflow on the way.
int32_t clientPoint(Point p) {
    return makePointParam(p.x, static_cast<int32_t>(static_cast<int64_t>(p.y) - clientTop()));
}

// The ring is dotted, two pixels of each colour in turn, so it shows on every background.
constexpr int RingDash = 2;
constexpr int RingThickness = 2;
constexpr Colour RingColours[2] = {look::Black, look::White};

std::optional<Rect> focusRing;  // screen coordinates, inside the client area
std::vector<uint32_t> composed;

void drawRing(uint32_t* pixels, const Rect& r) {
    const int w = screenWidthPixels();
    auto put = [&](int x, int y, int along) { pixels[y * w + x] = RingColours[along / RingDash % 2]; };
    for (int t = 0; t < RingThickness; ++t) {
        for (int x = r.left; x < r.right; ++x) {
            put(x, r.top + t, x);
            put(x, r.bottom - 1 - t, x);
        }
        for (int y = r.top; y < r.bottom; ++y) {
            put(r.left + t, y, y);
            put(r.right - 1 - t, y, y);
        }
    }
}

}  // namespace

Rect clientAreaRect() { return {0, clientTop(), screenWidthPixels(), clientTop() + clientHeight()}; }

const uint32_t* finishUpdate() {
    if (screenPixels() == nullptr) return nullptr;
    {
        look::ScreenSurface surface;
        drawTitleBar(surface.dc());
        drawMenuBar(surface.dc());
        for (const Widget* widget : openWidgets()) widget->draw(surface.dc());
    }
    // An open widget stands over the main window, and so over its ring.
    if (!focusRing || topWidget() != nullptr) return screenPixels();
    composed.assign(screenPixels(), screenPixels() + screenWidthPixels() * screenHeightPixels());
    drawRing(composed.data(), *focusRing);
    return composed.data();
}

void screenPenDown(int32_t x, int32_t y) {
    const Point p{x, y};
    owner = ownerAt(p);
    switch (owner) {
    case PenOwner::Widget: topWidget()->penDown(p); break;
    case PenOwner::MenuBar: menuBarPenDown(p); break;
    case PenOwner::Client: PostMessage(WM_LBUTTONDOWN, 0, clientPoint(p)); break;
    case PenOwner::TitleBar:
    case PenOwner::Nobody: break;
    }
}

// During a pause the game is busy and the bars wait with it: a press counts only inside the main
// window, a release reaches it anywhere (the window ignores one whose press it did not get).
void screenPen(bool down, int32_t x, int32_t y, bool busy) {
    if (!busy) {
        down ? screenPenDown(x, y) : screenPenUp(x, y);
        return;
    }
    const int32_t clientY = y - clientTop();
    const bool inside = x >= 0 && x < screenWidthPixels() && clientY >= 0 && clientY < clientHeight();
    if (down && !inside) return;
    PostMessage(down ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, makePointParam(x, clientY));
}

// A press in the client area captures the stylus, so its release reaches the client even outside it.
void screenPenUp(int32_t x, int32_t y) {
    const Point p{x, y};
    const PenOwner pressed = owner;
    owner = PenOwner::Nobody;
    const PenOwner target = pressed != PenOwner::Nobody ? pressed
                            : stylusCaptured()          ? PenOwner::Client
                                                        : ownerAt(p);
    switch (target) {
    case PenOwner::Widget:
        if (topWidget() != nullptr) topWidget()->penUp(p);
        break;
    case PenOwner::MenuBar: menuBarPenUp(p); break;
    case PenOwner::Client: PostMessage(WM_LBUTTONUP, 0, clientPoint(p)); break;
    case PenOwner::TitleBar:
    case PenOwner::Nobody: break;
    }
}

void screenKey(uint32_t key, uint32_t modifiers) {
    if (topWidget() != nullptr)
        topWidget()->key(key, modifiers);
    else
        PostMessage(WM_KEYDOWN, key, static_cast<int32_t>(modifiers));
}

void setFocusRing(const Rect* client) {
    focusRing.reset();
    if (client == nullptr) return;
    const Rect area = clientAreaRect();
    const Rect r{std::max(client->left, 0), std::max(client->top + area.top, area.top),
                 std::min(client->right, area.right), std::min(client->bottom + area.top, area.bottom)};
    if (r.right - r.left > 2 * RingThickness && r.bottom - r.top > 2 * RingThickness) focusRing = r;
}
