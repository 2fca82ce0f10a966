// The title bar: the window title or the open dialog's caption, and that dialog's "ok" button.
#include "platform/canvas/screen.h"
#include "platform/chrome/look.h"
#include "platform/chrome/parts.h"
#include "platform/window/widget.h"

namespace {

constexpr const char* WindowTitle = "Rendaro";

}  // namespace

Rect titleBarRect() { return {0, 0, screenWidthPixels(), TitleBarHeight}; }

Rect titleDoneButtonRect() {
    const int right = screenWidthPixels() - 4;
    return {right - 28, 4, right, TitleBarHeight - 4};
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
    look::text(screen, caption, {bar.left + 6, bar.top, bar.right - 36, bar.bottom}, look::White, look::Align::Left,
               true);
    if (!done) return;
    const Rect ok = titleDoneButtonRect();
    HGDIOBJ previousBrush = SelectObject(screen, GetStockObject(HOLLOW_BRUSH));
    HGDIOBJ previousPen = SelectObject(screen, GetStockObject(WHITE_PEN));
    RoundRect(screen, ok.left, ok.top, ok.right, ok.bottom, 8, 8);
    SelectObject(screen, previousPen);
    SelectObject(screen, previousBrush);
    look::text(screen, "ok", ok, look::White, look::Align::Centre, true);
}
