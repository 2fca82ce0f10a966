// Token marks: a black shape per colour on each disc, so that no player needs the colours to tell the sides apart.
#pragma once
#include <cstdint>

// Where a disc's mark goes: on its middle; on the strip left in view when the next disc, 5 pixels
// on along x or along y, covers the middle (a pair on one square, the icons of the "Choose:" panel);
// or nowhere, on a disc covered closer than that, where a cut mark could be read as another.
enum class MarkPlace : uint8_t { Middle, EdgeX, EdgeY, Covered };

// The mark of colour on the disc drawn about (x, y), when the Token Marks option is on.
void drawTokenMark(uint8_t colour, int32_t x, int32_t y, MarkPlace place);
