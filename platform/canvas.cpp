// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/draw.h"
#include "platform/canvas_internal.h"

int GetSystemMetrics(int metric) { return {}; }
HGDIOBJ GetStockObject(int id) { return {}; }
HPEN CreatePen(int style,  int width,  Colour colour) { return {}; }
HBRUSH CreateSolidBrush(Colour colour) { return {}; }
HFONT CreateFontCellHeight(int height) { return {}; }
HBITMAP LoadBitmap(int resourceId) { return {}; }
bool DeleteObject(HGDIOBJ object) { return {}; }
HGDIOBJ SelectObject(HDC dc,  HGDIOBJ object) { return {}; }
int SetBkMode(HDC dc,  int mode) { return {}; }
Colour SetBkColor(HDC dc,  Colour colour) { return {}; }
Colour SetTextColor(HDC dc,  Colour colour) { return {}; }
bool Rectangle(HDC dc,  int32_t left,  int32_t top,  int32_t right,  int32_t bottom) { return {}; }
bool Ellipse(HDC dc,  int32_t left,  int32_t top,  int32_t right,  int32_t bottom) { return {}; }
bool RoundRect(HDC dc,  int32_t left,  int32_t top,  int32_t right,  int32_t bottom,  int32_t width,  int32_t height) { return {}; }
bool Polygon(HDC dc,  const Point* points,  int count) { return {}; }
bool Polyline(HDC dc,  const Point* points,  int count) { return {}; }
int DrawText(HDC dc,  const char* text,  int length,  const Rect* rect,  uint32_t format) { return {}; }
HDC CreateCompatibleDC(HDC dc) { return {}; }
bool DeleteDC(HDC dc) { return {}; }
bool BitBlt(HDC dst,  int32_t x,  int32_t y,  int32_t width,  int32_t height,  HDC src,  int32_t srcX,  int32_t srcY,  uint32_t rop) { return {}; }
HDC openScreenDC(int, int, const Rect&) { return nullptr; }
void closeScreenDC(HDC) {}
