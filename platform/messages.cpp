// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/messages.h"

bool CreateMainWindow(WindowProc proc) { return {}; }
void DestroyMainWindow() { }
bool MainWindowExists() { return {}; }
void PostMessage(uint32_t message,  uint32_t wParam,  int32_t lParam) { }
bool GetMessage(Msg& msg) { return {}; }
bool PeekMessageRemove(Msg& msg,  uint32_t first,  uint32_t last) { return {}; }
int32_t DispatchMessage(const Msg& msg) { return {}; }
int32_t SendMessage(uint32_t message,  uint32_t wParam,  int32_t lParam) { return {}; }
int32_t DefWindowProc(uint32_t message,  uint32_t wParam,  int32_t lParam) { return {}; }
void PostQuitMessage(int32_t code) { }
bool QueueIdle() { return {}; }
void SetCapture() { }
void ReleaseCapture() { }
void InvalidateRect(const Rect* rect,  bool erase) { }
HDC BeginPaint() { return {}; }
void EndPaint(HDC dc) { }
HDC GetDC() { return {}; }
void ReleaseDC(HDC dc) { }
