// Device contexts: the fixed pool of screen and memory surfaces and the state selected into them.
#include <array>

#include "platform/canvas/objects.h"
#include "platform/canvas/screen.h"
#include "platform/canvas/screen_dc.h"

namespace {

constexpr int PoolSize = 32;

std::array<DeviceContext, PoolSize> contexts;

DeviceContext* allocate(DcKind kind) {
    for (DeviceContext& dc : contexts)
        if (dc.kind == DcKind::Free) {
            dc = DeviceContext{};
            dc.kind = kind;
            dc.pen = defaultObject(ObjectKind::Pen);
            dc.brush = defaultObject(ObjectKind::Brush);
            dc.font = defaultObject(ObjectKind::Font);
            dc.bitmap = defaultObject(ObjectKind::Bitmap);
            dc.bkColour = RGB(255, 255, 255);
            return &dc;
        }
    return nullptr;
}

GdiObject** slotFor(DeviceContext& dc, ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Pen: return &dc.pen;
    case ObjectKind::Brush: return &dc.brush;
    case ObjectKind::Font: return &dc.font;
    case ObjectKind::Bitmap: return dc.kind == DcKind::Memory ? &dc.bitmap : nullptr;
    case ObjectKind::Free: break;
    }
    return nullptr;
}

}  // namespace

DeviceContext* liveDC(HDC dc) {
    const bool inPool = dc >= contexts.data() && dc < contexts.data() + contexts.size();
    return inPool && dc->kind != DcKind::Free ? dc : nullptr;
}

void deselectEverywhere(const GdiObject* object) {
    for (DeviceContext& dc : contexts) {
        if (dc.kind == DcKind::Free) continue;
        GdiObject** slot = slotFor(dc, object->kind);
        if (slot && *slot == object) *slot = defaultObject(object->kind);
    }
}

int GetSystemMetrics(int metric) {
    if (metric == SM_CXSCREEN) return screenWidthPixels();
    if (metric == SM_CYSCREEN) return screenHeightPixels();
    return 0;
}

HDC openScreenDC(int originX, int originY, const Rect& clip) {
    DeviceContext* dc = allocate(DcKind::Screen);
    if (!dc) return nullptr;
    dc->originX = originX;
    dc->originY = originY;
    dc->clip = clip;
    return dc;
}

void closeScreenDC(HDC dc) {
    if (DeviceContext* live = liveDC(dc); live && live->kind == DcKind::Screen) *live = DeviceContext{};
}

HDC CreateCompatibleDC(HDC dc) { return liveDC(dc) ? allocate(DcKind::Memory) : nullptr; }

bool DeleteDC(HDC dc) {
    DeviceContext* live = liveDC(dc);
    if (!live || live->kind != DcKind::Memory) return false;
    *live = DeviceContext{};
    return true;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* live = liveDC(dc);
    if (!live || !isLiveObject(object)) return nullptr;
    GdiObject** slot = slotFor(*live, object->kind);
    if (!slot) return nullptr;
    GdiObject* previous = *slot;
    *slot = object;
    return previous;
}

namespace {

// Sets one of a DC's plain settings and returns its previous value (0 for a dead DC).
template <class T>
T replaceSetting(HDC dc, T DeviceContext::*setting, T value) {
    DeviceContext* live = liveDC(dc);
    if (!live) return T{};
    const T previous = live->*setting;
    live->*setting = value;
    return previous;
}

}  // namespace

int SetBkMode(HDC dc, int mode) {
    if (mode != OPAQUE && mode != TRANSPARENT) return 0;
    return replaceSetting(dc, &DeviceContext::bkMode, mode);
}

Colour SetBkColor(HDC dc, Colour colour) { return replaceSetting(dc, &DeviceContext::bkColour, colour & 0xFFFFFF); }

Colour SetTextColor(HDC dc, Colour colour) { return replaceSetting(dc, &DeviceContext::textColour, colour & 0xFFFFFF); }
