// Where a device context's pixels land: clipping to the surface and the DC clip, spans and image copies.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/canvas/objects.h"
#include "platform/canvas/screen.h"

namespace {

Rect intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool isEmpty(const Rect& r) { return r.left >= r.right || r.top >= r.bottom; }

// Four pixels per store: the compiler leaves a plain fill loop scalar at our optimisation level.
using PixelQuad = uint32_t __attribute__((vector_size(16)));

void fillPixels(uint32_t* row, int64_t count, Colour colour) {
    const PixelQuad quad = {colour, colour, colour, colour};
    int64_t i = 0;
    for (; i + 8 <= count; i += 8) {
        std::memcpy(row + i, &quad, sizeof quad);
        std::memcpy(row + i + 4, &quad, sizeof quad);
    }
    for (; i + 4 <= count; i += 4) std::memcpy(row + i, &quad, sizeof quad);
    for (; i < count; ++i) row[i] = colour;
}

}  // namespace

std::optional<Surface> surfaceOf(const DeviceContext& dc) {
    Surface surface;
    Rect bounds{};
    if (dc.kind == DcKind::Memory) {
        surface.pixels = dc.bitmap->pixels.data();
        surface.stride = dc.bitmap->width;
        bounds = {0, 0, dc.bitmap->width, dc.bitmap->height};
        surface.clip = bounds;
    } else {
        surface.pixels = screenPixelsMutable();
        surface.stride = screenWidthPixels();
        bounds = {0, 0, screenWidthPixels(), screenHeightPixels()};
        surface.clip = intersect(bounds, dc.clip);
    }
    surface.originX = dc.originX;
    surface.originY = dc.originY;
    if (!surface.pixels || isEmpty(surface.clip)) return std::nullopt;
    return surface;
}

void fillBox(const Surface& surface, int64_t x0, int64_t y0, int64_t x1, int64_t y1, Colour colour) {
    const int64_t left = std::max<int64_t>(x0 + surface.originX, surface.clip.left);
    const int64_t right = std::min<int64_t>(x1 + surface.originX, surface.clip.right - 1);
    const int64_t top = std::max<int64_t>(y0 + surface.originY, surface.clip.top);
    const int64_t bottom = std::min<int64_t>(y1 + surface.originY, surface.clip.bottom - 1);
    if (left > right) return;
    for (int64_t y = top; y <= bottom; ++y) fillPixels(surface.pixels + y * surface.stride + left, right + 1 - left, colour);
}

void fillSpan(const Surface& surface, int64_t x0, int64_t x1, int64_t y, Colour colour) {
    fillBox(surface, x0, y, x1, y, colour);
}

bool BitBlt(HDC dst, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t srcX, int32_t srcY,
            uint32_t rop) {
    const DeviceContext* to = liveDC(dst);
    const DeviceContext* from = liveDC(src);
    if (!to || !from || (rop != SRCCOPY && rop != SRCAND)) return false;
    const auto target = surfaceOf(*to);
    const auto source = surfaceOf(*from);
    if (!target || !source) return false;
    // Only pixels that exist in the source (within its surface) and are visible in the target are copied.
    const int64_t shiftX = int64_t{srcX} + source->originX - (int64_t{x} + target->originX);
    const int64_t shiftY = int64_t{srcY} + source->originY - (int64_t{y} + target->originY);
    const int64_t left = std::max<int64_t>({int64_t{x} + target->originX, target->clip.left, source->clip.left - shiftX});
    const int64_t top = std::max<int64_t>({int64_t{y} + target->originY, target->clip.top, source->clip.top - shiftY});
    const int64_t right = std::min<int64_t>(
        {int64_t{x} + target->originX + std::max(0, width), target->clip.right, source->clip.right - shiftX});
    const int64_t bottom = std::min<int64_t>(
        {int64_t{y} + target->originY + std::max(0, height), target->clip.bottom, source->clip.bottom - shiftY});
    if (left >= right || top >= bottom) return true;
    // A copy within one surface reads the whole source block before writing, so overlaps come out right.
    // The block's buffer is kept, so that drawing allocates only until it has seen its largest copy.
    const int64_t span = right - left;
    static std::vector<uint32_t> block;
    block.resize(static_cast<size_t>(span * (bottom - top)));
    for (int64_t row = top; row < bottom; ++row) {
        const uint32_t* in = source->pixels + (row + shiftY) * source->stride + shiftX + left;
        std::copy(in, in + span, block.begin() + (row - top) * span);
    }
    for (int64_t row = top; row < bottom; ++row) {
        uint32_t* out = target->pixels + row * target->stride + left;
        const uint32_t* in = block.data() + (row - top) * span;
        for (int64_t col = 0; col < span; ++col) out[col] = rop == SRCCOPY ? in[col] : (in[col] & out[col]);
    }
    return true;
}
