// Drawing objects: the stock set, the fixed pool that created pens, brushes, fonts and bitmaps live in.
#include <algorithm>
#include <array>

#include "platform/canvas/objects.h"
#include "resources/assets.h"

namespace {

constexpr int PoolSize = 512;
constexpr int DefaultCellHeight = 12;
constexpr int StockCount = NULL_PEN + 1;

std::array<GdiObject, PoolSize> pool;

GdiObject makeStock(ObjectKind kind, Colour colour, int penWidth, bool hollow) {
    GdiObject object;
    object.kind = kind;
    object.stock = true;
    object.colour = colour;
    object.penWidth = penWidth;
    object.hollow = hollow;
    return object;
}

std::array<GdiObject, StockCount>& stockObjects() {
    static std::array<GdiObject, StockCount> stock = [] {
        std::array<GdiObject, StockCount> s;
        s[WHITE_BRUSH] = makeStock(ObjectKind::Brush, RGB(255, 255, 255), 0, false);
        s[GRAY_BRUSH] = makeStock(ObjectKind::Brush, RGB(128, 128, 128), 0, false);
        s[BLACK_BRUSH] = makeStock(ObjectKind::Brush, RGB(0, 0, 0), 0, false);
        s[NULL_BRUSH] = makeStock(ObjectKind::Brush, 0, 0, true);
        s[WHITE_PEN] = makeStock(ObjectKind::Pen, RGB(255, 255, 255), 1, false);
        s[BLACK_PEN] = makeStock(ObjectKind::Pen, RGB(0, 0, 0), 1, false);
        s[NULL_PEN] = makeStock(ObjectKind::Pen, 0, 0, false);
        return s;
    }();
    return stock;
}

GdiObject& defaultFont() {
    static GdiObject font = [] {
        GdiObject f = makeStock(ObjectKind::Font, 0, 0, false);
        f.font = Font(DefaultCellHeight);
        return f;
    }();
    return font;
}

// A memory DC starts with an empty bitmap, as the handheld gives it a 1x1 one: nothing to draw on.
GdiObject& emptyBitmap() {
    static GdiObject bitmap = makeStock(ObjectKind::Bitmap, 0, 0, false);
    return bitmap;
}

GdiObject* allocate(ObjectKind kind) {
    for (GdiObject& object : pool)
        if (object.kind == ObjectKind::Free) {
            object = GdiObject{};
            object.kind = kind;
            return &object;
        }
    return nullptr;
}

bool inPool(const GdiObject* object) {
    return object >= pool.data() && object < pool.data() + pool.size() && object->kind != ObjectKind::Free;
}

}  // namespace

bool isLiveObject(const GdiObject* object) {
    if (!object) return false;
    const auto& stock = stockObjects();
    const bool isStock = object >= stock.data() && object < stock.data() + stock.size();
    return inPool(object) || (isStock && object->kind != ObjectKind::Free) || object == &defaultFont() ||
           object == &emptyBitmap();
}

GdiObject* defaultObject(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::Pen: return &stockObjects()[BLACK_PEN];
    case ObjectKind::Brush: return &stockObjects()[WHITE_BRUSH];
    case ObjectKind::Font: return &defaultFont();
    case ObjectKind::Bitmap: return &emptyBitmap();
    case ObjectKind::Free: break;
    }
    return nullptr;
}

HGDIOBJ GetStockObject(int id) {
    if (id < 0 || id >= StockCount) return nullptr;
    GdiObject& object = stockObjects()[static_cast<size_t>(id)];
    return object.kind == ObjectKind::Free ? nullptr : &object;
}

HPEN CreatePen(int style, int width, Colour colour) {
    if (style != PS_SOLID && style != PS_NULL) return nullptr;
    GdiObject* pen = allocate(ObjectKind::Pen);
    if (!pen) return nullptr;
    pen->colour = colour & 0xFFFFFF;
    // A width of 0 or less is the thinnest pen, as on the handheld.
    pen->penWidth = style == PS_NULL ? 0 : std::max(1, width);
    return pen;
}

HBRUSH CreateSolidBrush(Colour colour) {
    GdiObject* brush = allocate(ObjectKind::Brush);
    if (brush) brush->colour = colour & 0xFFFFFF;
    return brush;
}

HFONT CreateFontCellHeight(int height) {
    const Font font(height);
    if (!font.valid()) return nullptr;
    GdiObject* object = allocate(ObjectKind::Font);
    if (object) object->font = font;
    return object;
}

HBITMAP LoadBitmap(int resourceId) {
    const ImageResource* image = findImage(resourceId);
    if (!image) return nullptr;
    GdiObject* bitmap = allocate(ObjectKind::Bitmap);
    if (!bitmap) return nullptr;
    bitmap->width = image->width;
    bitmap->height = image->height;
    bitmap->pixels.assign(image->pixels, image->pixels + static_cast<size_t>(image->width) * image->height);
    return bitmap;
}

bool DeleteObject(HGDIOBJ object) {
    if (!isLiveObject(object)) return false;
    if (object->stock) return true;  // stock objects are never freed
    deselectEverywhere(object);
    *object = GdiObject{};
    return true;
}
