// The title bar: the window title or the open dialog's caption, and that dialog's "ok" button.
#include "platform/canvas/screen.h"
#include "platform/chrome/look.h"
#include "platform/chrome/parts.h"
#include "platform/window/widget.h"

namespace {

constexpr const char* WindowTitle = "Rendaro";
constexpr int ButtonGap = 4;
constexpr int CancelWidth = 20;
constexpr int CrossInset = 6;

// The outline both title-bar buttons share.
void drawButtonFrame(HDC screen, const Rect& r) {
    const look::Selected brush(screen, GetStockObject(HOLLOW_BRUSH));
    const look::Selected pen(screen, GetStockObject(WHITE_PEN));
    RoundRect(screen, r.left, r.top, r.right, r.bottom, 8, 8);
}

// A white cross, two pixels wide.
void drawCross(HDC screen, const Rect& r) {
    const look::Selected pen(screen, GetStockObject(WHITE_PEN));
    const int left = r.left + CrossInset, right = r.right - CrossInset;
    const int top = r.top + (look::height(r) - (right - left)) / 2, bottom = top + (right - left);
    for (int dx = 0; dx < 2; ++dx) {
        const Point down[] = {{left + dx, top}, {right + dx, bottom}};
        const Point up[] = {{left + dx, bottom - 1}, {right + dx, top - 1}};
        Polyline(screen, down, 2);
        Polyline(screen, up, 2);
    }
}

}  // namespace

Rect titleBarRect() { return {0, 0, screenWidthPixels(), TitleBarHeight}; }

Rect titleDoneButtonRect() {
    const int right = screenWidthPixels() - ButtonGap;
    return {right - 28, ButtonGap, right, TitleBarHeight - ButtonGap};
}

Rect titleCancelButtonRect() {
    const int right = titleDoneButtonRect().left - ButtonGap;
    return {right - CancelWidth, ButtonGap, right, TitleBarHeight - ButtonGap};
}

void drawTitleBar(HDC screen) {
    const char* caption = WindowTitle;
    bool done = false;
    for (const Widget* widget : openWidgets()) {
        if (widget->caption() == nullptr) continue;
        caption = widget->caption();
        done = widget->doneButton();
    }
    const Rect bar = titleBarRect();
    look::box(screen, bar, look::TitleBlue, look::TitleBlue);
    const int captionRight = done ? titleCancelButtonRect().left - ButtonGap : bar.right - 36;
    look::text(screen, caption, {bar.left + 6, bar.top, captionRight, bar.bottom}, look::White, look::Align::Left,
               true);
    if (!done) return;
    const Rect ok = titleDoneButtonRect();
    drawButtonFrame(screen, ok);
    look::text(screen, "ok", ok, look::White, look::Align::Centre, true);
    drawButtonFrame(screen, titleCancelButtonRect());
    drawCross(screen, titleCancelButtonRect());
}
