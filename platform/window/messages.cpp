// The one message queue of the program, the main window's procedure, capture and the invalid area.
#include "platform/window/messages.h"

#include <algorithm>
#include <deque>
#include <optional>

#include "platform/backend.h"
#include "platform/canvas/screen.h"
#include "platform/canvas/screen_dc.h"

namespace {

// Everything the handheld kept for the one thread and its one window.
struct WindowState {
    WindowProc proc = nullptr;
    std::deque<Msg> queue;
    bool quitPosted = false;
    int32_t quitCode = 0;
    bool captured = false;
    std::optional<Rect> invalid;  // client coordinates, never empty
    bool eraseAsked = false;
    bool closing = false;
};

WindowState window;

Rect clientRect() { return {0, 0, screenWidthPixels(), clientHeight()}; }

bool isEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

Rect intersection(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

Rect boundingUnion(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

Rect toScreen(const Rect& r) { return {r.left, r.top + clientTop(), r.right, r.bottom + clientTop()}; }

void validate() {
    window.invalid.reset();
    window.eraseAsked = false;
}

bool paintPending() { return window.proc != nullptr && window.invalid.has_value(); }

// Fills a client rectangle with the class background, the stock white brush.
void eraseBackground(HDC dc, const Rect& r) {
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    // Without a pen the filled area loses its right and bottom edge, hence the extra pixel.
    Rectangle(dc, r.left, r.top, r.right + 1, r.bottom + 1);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

}  // namespace

bool CreateMainWindow(WindowProc proc) {
    if (window.proc != nullptr || proc == nullptr) return false;
    window.proc = proc;
    window.closing = false;
    // A quit left over from an earlier window's loop must not end the loop of this one.
    window.quitPosted = false;
    SendMessage(WM_CREATE, 0, 0);
    // A window that appears is entirely unpainted, background included.
    InvalidateRect(nullptr, true);
    return true;
}

void DestroyMainWindow() {
    if (window.proc == nullptr) return;
    SendMessage(WM_DESTROY, 0, 0);
    window.proc = nullptr;
    // Everything queued was addressed to this window and can no longer be delivered.
    window.queue.clear();
    window.captured = false;
    validate();
}

bool MainWindowExists() { return window.proc != nullptr; }

void PostMessage(uint32_t message, uint32_t wParam, int32_t lParam) {
    if (window.proc == nullptr) return;
    window.queue.push_back({message, wParam, lParam});
}

bool GetMessage(Msg& msg) {
    if (window.closing) std::erase_if(window.queue, [](const Msg& m) { return m.message >= WM_MOUSEFIRST && m.message <= WM_PENLAST; });
    for (;;) {
        if (!window.queue.empty()) {
            msg = window.queue.front();
            window.queue.pop_front();
            return true;
        }
        if (window.quitPosted) {
            window.quitPosted = false;
            msg = {WM_QUIT, static_cast<uint32_t>(window.quitCode), 0};
            return false;
        }
        if (paintPending()) {
            msg = {WM_PAINT, 0, 0};
            return true;
        }
        if (!backendWaitForInput()) PostQuitMessage(0);
    }
}

bool PeekMessageRemove(Msg& msg, uint32_t first, uint32_t last) {
    auto found = std::find_if(window.queue.begin(), window.queue.end(),
                              [&](const Msg& m) { return m.message >= first && m.message <= last; });
    if (found == window.queue.end()) return false;
    msg = *found;
    window.queue.erase(found);
    return true;
}

int32_t DispatchMessage(const Msg& msg) { return SendMessage(msg.message, msg.wParam, msg.lParam); }

int32_t SendMessage(uint32_t message, uint32_t wParam, int32_t lParam) {
    return window.proc != nullptr ? window.proc(message, wParam, lParam) : 0;
}

int32_t DefWindowProc(uint32_t message, uint32_t, int32_t) {
    switch (message) {
        case WM_CLOSE:
            DestroyMainWindow();
            break;
        case WM_PAINT:
            // A window that does not paint is taken as painted, or the paint would come back forever.
            validate();
            break;
        default:
            break;
    }
    return 0;
}

void PostQuitMessage(int32_t code) {
    window.quitPosted = true;
    window.quitCode = code;
}

void PostCloseRequest(uint32_t message) {
    if (window.proc == nullptr) return;
    window.closing = true;
    window.queue.push_front({message, 0, 0});
}

bool closeRequested() { return window.closing; }

bool QueueIdle() { return window.queue.empty() && !window.quitPosted && !paintPending(); }

void SetCapture() { window.captured = window.proc != nullptr; }
void ReleaseCapture() { window.captured = false; }
bool stylusCaptured() { return window.captured; }

void InvalidateRect(const Rect* rect, bool erase) {
    if (window.proc == nullptr) return;
    const Rect area = intersection(rect != nullptr ? *rect : clientRect(), clientRect());
    if (isEmpty(area)) return;
    window.invalid = window.invalid ? boundingUnion(*window.invalid, area) : area;
    window.eraseAsked = window.eraseAsked || erase;
}

bool GetUpdateRect(Rect& rect) {
    if (!paintPending()) return false;
    rect = *window.invalid;
    return true;
}

HDC BeginPaint() {
    const Rect area = window.invalid.value_or(Rect{0, 0, 0, 0});
    HDC dc = openScreenDC(0, clientTop(), toScreen(area));
    if (window.eraseAsked) eraseBackground(dc, area);
    validate();
    return dc;
}

void EndPaint(HDC dc) {
    if (dc != nullptr) closeScreenDC(dc);
    backendPresent();
}

HDC GetDC() { return openScreenDC(0, clientTop(), toScreen(clientRect())); }

void ReleaseDC(HDC dc) {
    if (dc != nullptr) closeScreenDC(dc);
}
