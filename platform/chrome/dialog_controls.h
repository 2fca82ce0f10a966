// The controls of an open dialog: what each holds, where it sits and how it is drawn.
#pragma once
#include <string>
#include <vector>

#include "platform/canvas/draw.h"
#include "resources/dialogs.h"

// A drop-down list's selection when none is chosen, and its answer to a query it cannot give.
enum : int32_t { CB_ERR = -1 };

struct DialogControl {
    const DialogItem* item;
    Rect rect;  // screen pixels
    std::string text;
    bool checked = false;
    std::vector<std::string> entries;
    int selected = CB_ERR;
};

// A control's place in pixels from its place in dialog units, the dialog's client area starting at
// `origin`; the base units are those of the shell's face.
Rect controlRect(const DialogItem& item, Point origin);

// The part of a control that takes taps: for a drop-down list the closed field, else the whole control.
Rect controlHitRect(const DialogControl& control);
// One entry of an open drop-down list, below its field.
Rect listEntryRect(const DialogControl& control, int entry);

void drawControl(HDC screen, const DialogControl& control);
void drawOpenList(HDC screen, const DialogControl& control);
// The keyboard's mark around the focused control.
void drawFocus(HDC screen, const DialogControl& control);
