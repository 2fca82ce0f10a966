// The window-message stand-in: one queue, one main window procedure, capture and invalidation.
#pragma once
#include <cstdint>

#include "platform/canvas/draw.h"

// Message numbers as the game knows them.
enum : uint32_t {
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_ACTIVATE = 0x0006,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_HELP = 0x0053,
    WM_KEYDOWN = 0x0100,  // wParam: the key (Key*), lParam: the modifiers held (KeyShift, KeyCtrl, KeyAlt)
    WM_COMMAND = 0x0111,
    WM_MOUSEFIRST = 0x0200,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_PENLAST = 0x020A,
    WM_USER = 0x0400,
    TB_ENABLEBUTTON = WM_USER + 1,
    WM_CLOSEPROGRAM = 1023,  // sent by other programs: close as if the window were closed
};

// Keys as WM_KEYDOWN carries them: digits and letters are their upper-case characters.
enum : uint32_t {
    KeyTab = 0x09,
    KeyEnter = 0x0D,
    KeyEscape = 0x1B,
    KeySpace = 0x20,
    KeyLeft = 0x25,
    KeyUp = 0x26,
    KeyRight = 0x27,
    KeyDown = 0x28,
    KeyF1 = 0x70,
    KeyF2 = 0x71,
    KeyF3 = 0x72,
    KeyF12 = 0x7B,
};
enum : uint32_t { KeyShift = 1, KeyCtrl = 2, KeyAlt = 4 };

struct Msg {
    uint32_t message;
    uint32_t wParam;
    int32_t lParam;
};

using WindowProc = int32_t (*)(uint32_t message, uint32_t wParam, int32_t lParam);

// Packs a client point the way pen messages carry it.
inline int32_t makePointParam(int32_t x, int32_t y) {
    return static_cast<int32_t>(((static_cast<uint32_t>(y) & 0xFFFF) << 16) | (static_cast<uint32_t>(x) & 0xFFFF));
}
inline int32_t pointParamX(int32_t lParam) { return static_cast<int16_t>(lParam & 0xFFFF); }
inline int32_t pointParamY(int32_t lParam) { return static_cast<int16_t>((static_cast<uint32_t>(lParam) >> 16) & 0xFFFF); }

// Start-up: the shell creates the one main window with its procedure; WM_CREATE is sent during the call.
// Returns false when the window already exists.
bool CreateMainWindow(WindowProc proc);
// The shell's destroy path (DefWindowProc on WM_CLOSE) calls this; WM_DESTROY is sent during the call.
void DestroyMainWindow();
bool MainWindowExists();

// The queue. Posting never blocks; GetMessage blocks (running the back-end's event pump) and returns
// false once WM_QUIT arrives. A WM_PAINT is produced when the queue is empty and part of the window
// is invalid.
void PostMessage(uint32_t message, uint32_t wParam, int32_t lParam);
bool GetMessage(Msg& msg);
// Removes the first queued message in [first, last]; false when there is none.
bool PeekMessageRemove(Msg& msg, uint32_t first, uint32_t last);
int32_t DispatchMessage(const Msg& msg);
int32_t SendMessage(uint32_t message, uint32_t wParam, int32_t lParam);
int32_t DefWindowProc(uint32_t message, uint32_t wParam, int32_t lParam);
void PostQuitMessage(int32_t code);
// A close from outside (the window's close button, a termination signal) posts message, usually
// WM_CLOSE or WM_CLOSEPROGRAM, ahead of everything queued: the tap under way finishes with its
// pauses cut short, and the taps still queued are dropped, so the program leaves at once.
void PostCloseRequest(uint32_t message);
bool closeRequested();
// True when nothing waits in the queue and nothing is left to paint: the headless driver reads its
// next line only then.
bool QueueIdle();

// The stylus: while captured, releases outside the window still reach it.
void SetCapture();
void ReleaseCapture();
bool stylusCaptured();

// Invalidation of the main window's client area (null = all of it).
void InvalidateRect(const Rect* rect, bool erase);
// The bounding box of what waits to be painted, in client coordinates; false when nothing does.
bool GetUpdateRect(Rect& rect);
// The paint bracket: a surface clipped to the invalid area, erased to white when that was asked;
// EndPaint validates the window.
HDC BeginPaint();
void EndPaint(HDC dc);
// The client-area surface used outside paint, as by a tap's incremental drawing.
HDC GetDC();
void ReleaseDC(HDC dc);
