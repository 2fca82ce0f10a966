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

// A button of the menu bar by command (empty when there is none), and an item of the open pop-up
// (empty when that pop-up is not open).
Rect menuButtonRect(uint32_t command);
Rect popupItemRect(uint32_t command);
bool popupOpen();
// The Yes or No button of the open question; empty when no question is open.
Rect questionButtonRect(bool yes);

// A press on the menu bar and its release (anywhere): a button acts when both hit it.
void menuBarPenDown(Point p);
void menuBarPenUp(Point p);
