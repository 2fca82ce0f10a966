// What the platform's own parts (paint, widgets, back-ends) need of the canvas beyond the drawing calls.
#pragma once
#include "platform/canvas/draw.h"

// A surface on the screen framebuffer whose origin is (originX, originY) in screen pixels and whose
// drawing is clipped to `clip` (screen pixels, right and bottom exclusive). Used for the main
// window's client area (origin 0, 26) and for the shell's own widgets (origin 0, 0).
HDC openScreenDC(int originX, int originY, const Rect& clip);
void closeScreenDC(HDC dc);
