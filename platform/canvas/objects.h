// The canvas's own records behind the handles: drawing objects, device contexts and their surfaces.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/canvas/draw.h"
#include "platform/canvas/font.h"

enum class ObjectKind : uint8_t { Free, Pen, Brush, Font, Bitmap };

struct GdiObject {
    ObjectKind kind = ObjectKind::Free;
    bool stock = false;
    Colour colour = 0;
    int penWidth = 0;     // 0: the null pen
    bool hollow = false;  // the hollow brush
    Font font;
    int width = 0;  // bitmaps
    int height = 0;
    std::vector<uint32_t> pixels;
};

enum class DcKind : uint8_t { Free, Screen, Memory };

struct DeviceContext {
    DcKind kind = DcKind::Free;
    int originX = 0;
    int originY = 0;
    Rect clip{};  // screen surfaces only, in screen pixels
    GdiObject* pen = nullptr;
    GdiObject* brush = nullptr;
    GdiObject* font = nullptr;
    GdiObject* bitmap = nullptr;
    Colour textColour = 0;
    Colour bkColour = 0;
    int bkMode = OPAQUE;
};

// Handles are checked before use: null, freed or foreign ones are refused.
bool isLiveObject(const GdiObject* object);
DeviceContext* liveDC(HDC dc);
// The DC's default objects, which also replace a selected object that gets deleted.
GdiObject* defaultObject(ObjectKind kind);
// Drops `object` from every DC it is selected into, putting the default back.
void deselectEverywhere(const GdiObject* object);

// Where a DC's pixels go: its surface, the clip within it, and the logical origin.
struct Surface {
    uint32_t* pixels = nullptr;
    int stride = 0;
    Rect clip{};  // surface pixels, inside the surface; right and bottom exclusive
    int originX = 0;
    int originY = 0;
};
// Empty for a DC that has nothing to draw on (a memory DC without a bitmap, or an empty screen).
std::optional<Surface> surfaceOf(const DeviceContext& dc);

// Fills the logical pixels x0..x1 (inclusive) of row y, clipped.
void fillSpan(const Surface& surface, int64_t x0, int64_t x1, int64_t y, Colour colour);
// Fills the logical box x0..x1, y0..y1 (inclusive), clipped.
void fillBox(const Surface& surface, int64_t x0, int64_t y0, int64_t x1, int64_t y1, Colour colour);
