// The software canvas: device contexts, stock and created objects and the drawing primitives.
#pragma once
#include <cstdint>

// 0x00RRGGBB.
using Colour = uint32_t;
constexpr Colour RGB(uint8_t r, uint8_t g, uint8_t b) { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b; }

struct Rect {
    int32_t left, top, right, bottom;
};
struct Point {
    int32_t x, y;
};

struct GdiObject;      // a pen, brush, font or bitmap
struct DeviceContext;  // a drawing surface with its selected objects
using HGDIOBJ = GdiObject*;
using HPEN = GdiObject*;
using HBRUSH = GdiObject*;
using HFONT = GdiObject*;
using HBITMAP = GdiObject*;
using HDC = DeviceContext*;

enum StockObject : int { WHITE_BRUSH = 0, GRAY_BRUSH = 2, BLACK_BRUSH = 4, NULL_BRUSH = 5, HOLLOW_BRUSH = 5,
                         WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8 };
enum PenStyle : int { PS_SOLID = 0, PS_NULL = 5 };
enum BkMode : int { TRANSPARENT = 1, OPAQUE = 2 };
enum RasterOp : uint32_t { SRCCOPY = 0x00CC0020, SRCAND = 0x008800C6 };
enum SystemMetric : int { SM_CXSCREEN = 0, SM_CYSCREEN = 1 };
// DrawText formats; without DT_SINGLELINE, lines break at "\n" only (never by wrapping).
enum DrawTextFormat : uint32_t { DT_LEFT = 0, DT_CENTER = 1, DT_TOP = 0, DT_SINGLELINE = 0x20 };

// The screen the game reads: width and height of the whole device screen.
int GetSystemMetrics(int metric);

HGDIOBJ GetStockObject(int id);
HPEN CreatePen(int style, int width, Colour colour);
HBRUSH CreateSolidBrush(Colour colour);
// The board font: the Tahoma-compatible face at the given character-cell height, monochrome.
HFONT CreateFontCellHeight(int height);
// One of the compiled-in images by resource number (101..110); null when there is none.
HBITMAP LoadBitmap(int resourceId);
bool DeleteObject(HGDIOBJ object);

// Returns the object previously selected of the same kind.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
int SetBkMode(HDC dc, int mode);
Colour SetBkColor(HDC dc, Colour colour);
Colour SetTextColor(HDC dc, Colour colour);

// Bounding boxes span left..right-1 and top..bottom-1; the pen outlines on the edge pixels.
bool Rectangle(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
bool Ellipse(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
bool RoundRect(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width, int32_t height);
bool Polygon(HDC dc, const Point* points, int count);
// Stops before the last point.
bool Polyline(HDC dc, const Point* points, int count);
// UTF-8 text (the game's texts are ASCII) into rect, lines broken at "\n", clipped, opaque background
// in the current background colour when the mode is OPAQUE. Returns the height drawn.
int DrawText(HDC dc, const char* text, int length, const Rect* rect, uint32_t format);

// Memory surfaces for image copies.
HDC CreateCompatibleDC(HDC dc);
bool DeleteDC(HDC dc);
bool BitBlt(HDC dst, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t srcX, int32_t srcY,
            uint32_t rop);
