// The filled and outlined shapes and lines, with the handheld's pixel conventions.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/canvas/objects.h"

namespace {

// Ellipses and rounded corners are computed exactly in 64-bit integers up to this size.
constexpr int64_t MaxCurveSide = int64_t{1} << 14;

// Pixels a..b of one row, in box coordinates; empty when a > b.
struct Span {
    int64_t a;
    int64_t b;
};

struct Tools {
    Surface surface;
    const GdiObject* pen;
    const GdiObject* brush;
};

std::optional<Tools> toolsOf(HDC dc) {
    const DeviceContext* live = liveDC(dc);
    if (!live) return std::nullopt;
    const auto surface = surfaceOf(*live);
    if (!surface) return std::nullopt;
    return Tools{*surface, live->pen, live->brush};
}

int64_t floorDiv(int64_t num, int64_t den) {
    const int64_t q = num / den;
    return (num % den != 0 && (num < 0) != (den < 0)) ? q - 1 : q;
}

int64_t isqrt(int64_t n) {
    if (n <= 0) return 0;
    auto r = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
    while (r * r > n) --r;
    while ((r + 1) * (r + 1) <= n) ++r;
    return r;
}

// A pen of width w covers the w x w square centred on each pixel of the outline. A round pen (three
// pixels or wider) leaves out that square's corner pixels, so the outer corners of its path stay undrawn.
// Rows y0..y1 stamped with the same span merge into one box (and its two narrower end rows).
void stampPen(const Tools& tools, int64_t x0, int64_t x1, int64_t y0, int64_t y1, bool round = false) {
    const int64_t before = (tools.pen->penWidth - 1) / 2;
    const int64_t after = tools.pen->penWidth / 2;
    const Colour colour = tools.pen->colour;
    if (!round || tools.pen->penWidth < 3) {
        fillBox(tools.surface, x0 - before, y0 - before, x1 + after, y1 + after, colour);
        return;
    }
    fillBox(tools.surface, x0 - before + 1, y0 - before, x1 + after - 1, y0 - before, colour);
    fillBox(tools.surface, x0 - before, y0 - before + 1, x1 + after, y1 + after - 1, colour);
    fillBox(tools.surface, x0 - before + 1, y1 + after, x1 + after - 1, y1 + after, colour);
}

bool operator==(const Span& p, const Span& q) { return p.a == q.a && p.b == q.b; }

// Where an ellipse runs exactly half-way between two pixel centres: a pen outlines the inner pixel,
// while a brush alone (the null pen) fills out to the outer one.
enum class HalfWay { Inner, Outer };

// How far along an axis the ellipse reaches in doubled units: the largest k with k * k * d at most n
// (less than n when the half-way pixel is left out), or -1 when there is none.
int64_t reachOf(int64_t n, int64_t d, HalfWay halfWay) {
    const int64_t k = isqrt(n / d);
    return halfWay == HalfWay::Inner && k * k * d == n ? k - 1 : k;
}

// The ellipse fitted to a w x h box. In doubled coordinates centred on the box (X = 2x - (w-1)) the
// ellipse through the centres of the outermost pixels has radii A = w-1 and B = h-1; a pixel belongs
// to the shape when that ellipse reaches within half a pixel of its centre along its row or its
// column. The middle rows and columns always span the box, so every ellipse touches its four sides.
// Exact integers make both mirror symmetries hold and keep tiny ellipses free of corners.
struct EllipseFormula {
    int64_t a;
    int64_t b;
    HalfWay halfWay;
    EllipseFormula(int64_t width, int64_t height, HalfWay rule) : a(width - 1), b(height - 1), halfWay(rule) {}
    Span operator()(int64_t y) const {
        if (b == 0) return {0, a};
        const int64_t yy = std::abs(2 * y - b);
        if (yy <= 1) return {0, a};
        const int64_t alongRow = reachOf(a * a * (b * b - (yy - 1) * (yy - 1)), b * b, halfWay);
        const int64_t alongColumn = 1 + reachOf(a * a * (b * b - yy * yy), b * b, halfWay);
        int64_t reach = std::min(a, std::max(alongRow, alongColumn));
        if ((a - reach) % 2 != 0) --reach;
        reach = std::max(reach, a % 2);
        return {(a - reach) / 2, (a + reach) / 2};
    }
};

// The same formula with the rows of small ellipses kept: a frame draws the same few discs many times.
class EllipseRows {
public:
    EllipseRows(int64_t width, int64_t height, HalfWay halfWay)
        : formula_(width, height, halfWay), rows_(keptRows(formula_, width, height)) {}
    Span operator()(int64_t y) const { return rows_ ? (*rows_)[static_cast<size_t>(y)] : formula_(y); }

private:
    static constexpr int64_t MaxKeptSide = 64;
    static constexpr size_t KeptSizes = 16;
    struct Kept {
        int64_t width = 0;
        int64_t height = 0;
        HalfWay halfWay = HalfWay::Outer;
        std::vector<Span> rows;
    };
    static const std::vector<Span>* keptRows(const EllipseFormula& formula, int64_t width, int64_t height) {
        if (width > MaxKeptSide || height > MaxKeptSide) return nullptr;
        static std::array<Kept, KeptSizes> kept;
        static size_t nextFree = 0;
        for (const Kept& k : kept)
            if (k.width == width && k.height == height && k.halfWay == formula.halfWay) return &k.rows;
        Kept& k = kept[nextFree];
        nextFree = (nextFree + 1) % KeptSizes;
        k.width = width;
        k.height = height;
        k.halfWay = formula.halfWay;
        k.rows.resize(static_cast<size_t>(height));
        for (int64_t y = 0; y < height; ++y) k.rows[static_cast<size_t>(y)] = formula(y);
        return &k.rows;
    }
    EllipseFormula formula_;
    const std::vector<Span>* rows_;
};

// A rectangle whose four corners are the quarters of a cornerWidth x cornerHeight ellipse.
struct RoundRectRows {
    int64_t width;
    int64_t height;
    int64_t cornerWidth;
    int64_t cornerHeight;
    EllipseRows corner;
    RoundRectRows(int64_t w, int64_t h, int64_t cw, int64_t ch, HalfWay halfWay)
        : width(w), height(h), cornerWidth(std::clamp<int64_t>(cw, 1, w)), cornerHeight(std::clamp<int64_t>(ch, 1, h)),
          corner(cornerWidth, cornerHeight, halfWay) {}
    Span operator()(int64_t y) const {
        int64_t cornerRow = 0;
        if (y < cornerHeight / 2) cornerRow = y;
        else if (y >= height - cornerHeight / 2) cornerRow = y - (height - cornerHeight);
        else return {0, width - 1};
        const Span c = corner(cornerRow);
        return {c.a, width - cornerWidth + c.b};
    }
};

// The box a shape is drawn in: without a pen it is one pixel smaller, as the brush fills it all.
struct ShapeBox {
    int64_t x;
    int64_t y;
    int64_t width;
    int64_t height;
};

ShapeBox shapeBox(const Tools& tools, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const int64_t shrink = tools.pen->penWidth > 0 ? 0 : 1;
    return {std::min(left, right), std::min(top, bottom), std::abs(int64_t{right} - left) - shrink,
            std::abs(int64_t{bottom} - top) - shrink};
}

// Draws a shape given row by row within its bounding box: the pen outlines the pixels that touch the
// outside, the brush fills the rest.
template <class MakeRows>
bool drawShape(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, MakeRows makeRows) {
    const auto tools = toolsOf(dc);
    if (!tools) return false;
    const auto [x, y, width, height] = shapeBox(*tools, left, top, right, bottom);
    const bool outlined = tools->pen->penWidth > 0;
    if (width <= 0 || height <= 0) return true;
    const auto rowsOf = makeRows(width, height, outlined ? HalfWay::Inner : HalfWay::Outer);
    const int64_t reach = tools->pen->penWidth;
    const int64_t first = std::max<int64_t>(0, tools->surface.clip.top - tools->surface.originY - y - reach);
    const int64_t last =
        std::min<int64_t>(height - 1, tools->surface.clip.bottom - 1 - tools->surface.originY - y + reach);
    if (first > last) return true;
    // Each visible row's span once, with the rows just above and below (empty outside the box).
    static std::vector<Span> spans;
    spans.resize(static_cast<size_t>(last - first + 3));
    for (int64_t r = first - 1; r <= last + 1; ++r)
        spans[static_cast<size_t>(r - first + 1)] = r >= 0 && r < height ? rowsOf(r) : Span{1, 0};
    auto row = [&](int64_t r) { return spans[static_cast<size_t>(r - first + 1)]; };
    auto interior = [&](int64_t r) {
        const Span cur = row(r);
        if (!outlined) return cur;
        const Span up = row(r - 1);
        const Span down = row(r + 1);
        return Span{std::max({cur.a + 1, up.a, down.a}), std::min({cur.b - 1, up.b, down.b})};
    };
    // Runs of rows with the same spans are drawn as one box each.
    if (!tools->brush->hollow)
        for (int64_t r = first, next = first; r <= last; r = next) {
            const Span inside = interior(r);
            while (++next <= last && interior(next) == inside) {
            }
            if (inside.a <= inside.b)
                fillBox(tools->surface, x + inside.a, y + r, x + inside.b, y + next - 1, tools->brush->colour);
        }
    if (!outlined) return true;
    for (int64_t r = first, next = first; r <= last; r = next) {
        const Span cur = row(r);
        const Span inside = interior(r);
        while (++next <= last && row(next) == cur && interior(next) == inside) {
        }
        const int64_t top = y + r;
        const int64_t bottom = y + next - 1;
        if (inside.a > inside.b) {
            stampPen(*tools, x + cur.a, x + cur.b, top, bottom);
        } else {
            stampPen(*tools, x + cur.a, x + inside.a - 1, top, bottom);
            stampPen(*tools, x + inside.b + 1, x + cur.b, top, bottom);
        }
    }
    return true;
}

bool curveFits(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return std::abs(int64_t{right} - left) <= MaxCurveSide && std::abs(int64_t{bottom} - top) <= MaxCurveSide;
}

// A line from p0 up to but not including p1, stepping along the longer axis and rounding the other;
// only the steps that can reach the clip are visited.
void drawLine(const Tools& tools, Point p0, Point p1) {
    const int64_t dx = int64_t{p1.x} - p0.x;
    const int64_t dy = int64_t{p1.y} - p0.y;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const int64_t steps = alongX ? std::abs(dx) : std::abs(dy);
    if (steps == 0) return;
    const int64_t major0 = alongX ? p0.x : p0.y;
    const int64_t minor0 = alongX ? p0.y : p0.x;
    const int64_t minorDelta = alongX ? dy : dx;
    const int64_t direction = (alongX ? dx : dy) > 0 ? 1 : -1;
    const Surface& s = tools.surface;
    const int64_t reach = tools.pen->penWidth;
    const int64_t low = (alongX ? s.clip.left - s.originX : s.clip.top - s.originY) - reach;
    const int64_t high = (alongX ? s.clip.right - s.originX : s.clip.bottom - s.originY) - 1 + reach;
    const int64_t fromLow = direction > 0 ? low - major0 : major0 - high;
    const int64_t fromHigh = direction > 0 ? high - major0 : major0 - low;
    const int64_t begin = std::max<int64_t>(0, fromLow);
    const int64_t end = std::min(steps - 1, fromHigh);
    for (int64_t i = begin; i <= end; ++i) {
        const int64_t major = major0 + direction * i;
        const int64_t minor = minor0 + floorDiv(2 * i * minorDelta + steps, 2 * steps);
        const int64_t px = alongX ? major : minor;
        const int64_t py = alongX ? minor : major;
        stampPen(tools, px, px, py, py);
    }
}

// Even-odd fill of the pixels whose centres lie inside, left and top edges included, right and
// bottom edges left to the outline.
void fillPolygon(const Tools& tools, const Point* points, int count) {
    int64_t minY = points[0].y;
    int64_t maxY = points[0].y;
    for (int i = 1; i < count; ++i) {
        minY = std::min<int64_t>(minY, points[i].y);
        maxY = std::max<int64_t>(maxY, points[i].y);
    }
    const Surface& s = tools.surface;
    const int64_t first = std::max<int64_t>(minY, s.clip.top - s.originY);
    const int64_t last = std::min<int64_t>(maxY - 1, s.clip.bottom - 1 - s.originY);
    static std::vector<int64_t> crossings;  // kept between calls, like the spans above
    for (int64_t y = first; y <= last; ++y) {
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const Point& p = points[i];
            const Point& q = points[(i + 1) % count];
            if (p.y == q.y || y < std::min(p.y, q.y) || y >= std::max(p.y, q.y)) continue;
            // The first pixel at or right of the crossing: ceil(p.x + (y - p.y)(q.x - p.x)/(q.y - p.y)).
            const int64_t den = int64_t{q.y} - p.y;
            const int64_t num = (y - p.y) * (int64_t{q.x} - p.x);
            crossings.push_back(p.x - floorDiv(-num, den));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t k = 0; k + 1 < crossings.size(); k += 2)
            fillSpan(s, crossings[k], crossings[k + 1] - 1, y, tools.brush->colour);
    }
}

}  // namespace

// Every row of a rectangle is the same, so its brush is one box and its pen four, joined round when wide.
bool Rectangle(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const auto tools = toolsOf(dc);
    if (!tools) return false;
    const auto [x, y, width, height] = shapeBox(*tools, left, top, right, bottom);
    if (width <= 0 || height <= 0) return true;
    const int64_t xLast = x + width - 1;
    const int64_t yLast = y + height - 1;
    if (tools->pen->penWidth <= 0) {
        if (!tools->brush->hollow) fillBox(tools->surface, x, y, xLast, yLast, tools->brush->colour);
        return true;
    }
    const bool hasInside = width > 2 && height > 2;
    if (hasInside && !tools->brush->hollow) fillBox(tools->surface, x + 1, y + 1, xLast - 1, yLast - 1, tools->brush->colour);
    stampPen(*tools, x, xLast, y, y, true);
    if (height > 1) stampPen(*tools, x, xLast, yLast, yLast, true);
    if (hasInside) {
        stampPen(*tools, x, x, y + 1, yLast - 1, true);
        stampPen(*tools, xLast, xLast, y + 1, yLast - 1, true);
    } else if (height > 2) {
        stampPen(*tools, x, xLast, y + 1, yLast - 1, true);
    }
    return true;
}

bool Ellipse(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!curveFits(left, top, right, bottom)) return false;
    return drawShape(dc, left, top, right, bottom,
                     [](int64_t width, int64_t height, HalfWay halfWay) { return EllipseRows(width, height, halfWay); });
}

bool RoundRect(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width, int32_t height) {
    if (!curveFits(left, top, right, bottom)) return false;
    return drawShape(dc, left, top, right, bottom, [width, height](int64_t w, int64_t h, HalfWay halfWay) {
        return RoundRectRows(w, h, width, height, halfWay);
    });
}

bool Polygon(HDC dc, const Point* points, int count) {
    const auto tools = toolsOf(dc);
    if (!tools || !points || count < 2) return false;
    if (!tools->brush->hollow) fillPolygon(*tools, points, count);
    if (tools->pen->penWidth > 0)
        for (int i = 0; i < count; ++i) drawLine(*tools, points[i], points[(i + 1) % count]);
    return true;
}

bool Polyline(HDC dc, const Point* points, int count) {
    const auto tools = toolsOf(dc);
    if (!tools || !points || count < 2) return false;
    if (tools->pen->penWidth > 0)
        for (int i = 0; i + 1 < count; ++i) drawLine(*tools, points[i], points[i + 1]);
    return true;
}
