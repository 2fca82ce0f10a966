// Screen layout and drawing resources: metrics, colours, brushes, pens, the font, images and drawSurface.
#pragma once
#include <cstdint>

#include "platform/canvas/draw.h"

enum ColourShade : uint8_t { ShadeLight = 0, ShadeDark = 1, ShadeMedium = 2 };
enum PenIndex : uint8_t { PenWideLight = 0, PenWideDark = 1, PenThinDark = 2 };
constexpr int GreyPenIndex = 12;
enum ImageIndex : uint8_t { StarImage = 0, FirstRollFrame = 1, SmallDieImage = 8 };

extern int16_t screenWidth;
extern int16_t screenHeight;
extern HBRUSH brushes[4][3];
extern HPEN pens[13];  // [4 * kind + colour]: wide light, wide dark, thin dark; then greyPen
extern HFONT boardFont;
extern const Colour lightColours[4];
extern HBITMAP images[9];
extern HDC drawSurface;

inline HPEN greyPen() { return pens[GreyPenIndex]; }
// Whether there is a surface to draw on: the simulator's games have none, and every drawing
// procedure then returns at once.
inline bool drawing() { return drawSurface != nullptr; }

// The screen's size, and the board's: the square that fits it.
void initScreenLayout();
bool createDrawingResources();
void destroyDrawingResources();
void drawTextAt(const char* text, int32_t x, int32_t y);
void copyImage(HBITMAP image, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t rop);
// Select an object, or a stock object by id, into drawSurface; both return the object replaced.
HGDIOBJ useObject(HGDIOBJ object);
HGDIOBJ useStock(int stockId);
