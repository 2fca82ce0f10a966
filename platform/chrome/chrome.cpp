// The chrome as a whole: drawing the bars and open widgets, and sending each stylus press and release
// to whoever owns it.
#include "platform/chrome/chrome.h"

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

}  // namespace

Rect clientAreaRect() { return {0, clientTop(), screenWidthPixels(), clientTop() + clientHeight()}; }

void finishUpdate() {
    if (screenPixels() == nullptr) return;
    look::ScreenSurface surface;
    drawTitleBar(surface.dc());
    drawMenuBar(surface.dc());
    for (const Widget* widget : openWidgets()) widget->draw(surface.dc());
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
