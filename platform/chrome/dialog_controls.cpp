// Placing and drawing a dialog's controls: labels, icons, check boxes and the drop-down list.
#include "platform/chrome/dialog_controls.h"

#include "platform/canvas/screen.h"
#include "platform/chrome/look.h"
#include "resources/assets.h"

namespace {

constexpr int CheckSize = 13;
constexpr int CheckGap = 4;
constexpr int FieldHeight = look::FontCell + 6;
constexpr int EntryHeight = look::FontCell + 4;
constexpr int ArrowWidth = 13;
constexpr int TextInset = 3;
constexpr int FocusMargin = 2;

// The dialog base units of the shell's face: the average width of the alphabet, and the cell height.
int baseUnitX() {
    const int alphabet = look::textWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (alphabet / 26 + 1) / 2;
}
constexpr int BaseUnitY = look::FontCell;

// Multiplies then divides, rounding halves away from zero.
int mulDiv(int value, int numerator, int denominator) {
    const int product = value * numerator;
    return (product + (product >= 0 ? denominator / 2 : -denominator / 2)) / denominator;
}

Rect checkBoxSquare(const Rect& r) {
    const int top = r.top + (look::height(r) - CheckSize) / 2;
    return {r.left, top, r.left + CheckSize, top + CheckSize};
}

// The face is wider than the one the templates were laid out for, so texts may run on past their
// control's right edge, up to the screen's.
Rect textRoom(int left, const Rect& r) { return {left, r.top, screenWidthPixels(), r.bottom}; }

void drawCheckBox(HDC screen, const DialogControl& control) {
    const Rect square = checkBoxSquare(control.rect);
    look::box(screen, square, look::White, look::Black);
    if (control.checked) {
        const look::Selected pen(screen, GetStockObject(BLACK_PEN));
        for (int dy = 0; dy < 2; ++dy) {
            const Point tick[] = {{square.left + 3, square.top + 5 + dy},
                                  {square.left + 5, square.top + 7 + dy},
                                  {square.left + 10, square.top + 2 + dy}};
            Polyline(screen, tick, 3);
        }
    }
    look::text(screen, control.text.c_str(), textRoom(square.right + CheckGap, control.rect), look::Black,
               look::Align::Left);
}

void drawDropDownField(HDC screen, const DialogControl& control) {
    const Rect field = controlHitRect(control);
    look::box(screen, field, look::White, look::Black);
    const Rect arrow{field.right - ArrowWidth, field.top, field.right, field.bottom};
    look::box(screen, arrow, look::BarGrey, look::Black);
    const int cx = (arrow.left + arrow.right) / 2, cy = (arrow.top + arrow.bottom) / 2;
    const Point triangle[] = {{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}};
    {
        const look::Selected pen(screen, GetStockObject(BLACK_PEN));
        const look::Selected brush(screen, GetStockObject(BLACK_BRUSH));
        Polygon(screen, triangle, 3);
    }
    if (control.selected != CB_ERR)
        look::text(screen, control.entries[control.selected].c_str(),
                   {field.left + TextInset, field.top, arrow.left, field.bottom}, look::Black, look::Align::Left);
}

}  // namespace

Rect controlRect(const DialogItem& item, Point origin) {
    const int bx = baseUnitX();
    const int left = origin.x + mulDiv(item.x, bx, 4), top = origin.y + mulDiv(item.y, BaseUnitY, 8);
    return {left, top, left + mulDiv(item.cx, bx, 4), top + mulDiv(item.cy, BaseUnitY, 8)};
}

Rect controlHitRect(const DialogControl& control) {
    const Rect& r = control.rect;
    if (control.item->kind != ControlKind::DropDownList) return r;
    return {r.left, r.top, r.right, r.top + FieldHeight};
}

Rect listEntryRect(const DialogControl& control, int entry) {
    const Rect field = controlHitRect(control);
    const int top = field.bottom + entry * EntryHeight;
    return {field.left + 1, top, field.right - 1, top + EntryHeight};
}

void drawControl(HDC screen, const DialogControl& control) {
    const Rect& r = control.rect;
    switch (control.item->kind) {
    case ControlKind::Label: look::text(screen, control.text.c_str(), textRoom(r.left, r), look::Black, look::Align::Left); break;
    case ControlKind::CentredText: look::text(screen, control.text.c_str(), r, look::Black, look::Align::Centre); break;
    case ControlKind::Icon:
        if (const ImageResource* icon = findImage(control.item->resource))
            look::image(screen, icon->id, 0, icon->width, icon->height, r.left, r.top);
        break;
    case ControlKind::CheckBox: drawCheckBox(screen, control); break;
    case ControlKind::DropDownList: drawDropDownField(screen, control); break;
    }
}

void drawOpenList(HDC screen, const DialogControl& control) {
    const int count = static_cast<int>(control.entries.size());
    const Rect field = controlHitRect(control);
    look::box(screen, {field.left, field.bottom - 1, field.right, field.bottom + count * EntryHeight + 1}, look::White,
              look::Black);
    for (int i = 0; i < count; ++i) {
        const Rect entry = listEntryRect(control, i);
        const bool chosen = i == control.selected;
        if (chosen) look::box(screen, entry, look::Highlight, look::Highlight);
        look::text(screen, control.entries[i].c_str(), {entry.left + TextInset - 1, entry.top, entry.right, entry.bottom},
                   chosen ? look::White : look::Black, look::Align::Left);
    }
}

void drawFocus(HDC screen, const DialogControl& control) {
    const Rect r = controlHitRect(control);
    const look::Selected brush(screen, GetStockObject(HOLLOW_BRUSH));
    const look::Selected pen(screen, CreatePen(PS_SOLID, 1, look::Highlight), true);
    Rectangle(screen, r.left - FocusMargin, r.top - FocusMargin, r.right + FocusMargin, r.bottom + FocusMargin);
}
