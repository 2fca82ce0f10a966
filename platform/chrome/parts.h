// The parts of the shell's chrome as its units share them: the bars' geometry, drawing and taps.
#pragma once
#include <cstdint>

#include "platform/canvas/draw.h"

// Screen pixels, right and bottom exclusive.
Rect titleBarRect();
Rect titleDoneButtonRect();
// Beside "ok": the button that backs out of the dialog.
Rect titleCancelButtonRect();
Rect menuBarRect();
Rect clientAreaRect();

void drawTitleBar(HDC screen);
void drawMenuBar(HDC screen);

// A press on the menu bar and its release (anywhere): a button acts when both hit it.
void menuBarPenDown(Point p);
void menuBarPenUp(Point p);
