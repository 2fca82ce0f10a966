// The shapes' pixels, as text pictures of a small screen: outlines on the box edges, null-pen
// shrinking, wide pens, ellipses, lines, polygons.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/canvas/screen_dc.h"
#include "platform/canvas/screen.h"

constexpr Colour Black = RGB(0, 0, 0);
constexpr Colour White = RGB(255, 255, 255);
constexpr Colour Grey = RGB(128, 128, 128);
constexpr Colour Red = RGB(255, 0, 0);

class CanvasShapes : public ::testing::Test {
protected:
    static constexpr int Side = 67;
    HDC dc = nullptr;

    void SetUp() override {
        initScreen(Side, Side);
        dc = openScreenDC(0, 0, Rect{0, 0, Side, Side});
        ASSERT_NE(dc, nullptr);
    }
    void TearDown() override { closeScreenDC(dc); }

    static Colour pixel(int x, int y) { return screenPixels()[y * screenWidthPixels() + x]; }

    // One character per pixel: '.' white, '#' black, 'o' grey, 'r' red, '?' anything else.
    static std::string art(int x0, int y0, int width, int height) {
        static const std::map<Colour, char> legend = {{White, '.'}, {Black, '#'}, {Grey, 'o'}, {Red, 'r'}};
        std::string text;
        for (int y = y0; y < y0 + height; ++y) {
            for (int x = x0; x < x0 + width; ++x) {
                const auto found = legend.find(pixel(x, y));
                text += found == legend.end() ? '?' : found->second;
            }
            text += '\n';
        }
        return text;
    }
    // A row of the ellipse table as art() draws it: pixels such as "3, 17-24" (or "-") marked.
    static void mark(std::string& row, const std::string& pixels, char symbol) {
        std::istringstream list(pixels);
        for (std::string run; std::getline(list, run, ',');) {
            int first = 0, last = 0;
            const int found = std::sscanf(run.c_str(), "%d-%d", &first, &last);
            if (found < 1) continue;
            for (int x = first; x <= (found == 2 ? last : first); ++x) row.at(static_cast<size_t>(x)) = symbol;
        }
    }
    // Compares the screen with the picture `name` of tables/shapes.txt.
    static void expectPicture(const std::string& name) {
        std::ifstream table(std::string(RENDARO_TEST_DIR) + "/tables/shapes.txt");
        std::string line, expected;
        while (std::getline(table, line) && line.rfind(name + " at ", 0) != 0) continue;
        int x0 = 0, y0 = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%*s at %d,%d", &x0, &y0), 2) << "no picture " << name;
        while (std::getline(table, line) && !line.empty()) expected += line + '\n';
        const auto height = std::count(expected.begin(), expected.end(), '\n');
        EXPECT_EQ(art(x0, y0, static_cast<int>(expected.find('\n')), static_cast<int>(height)), expected) << name;
    }
};

TEST_F(CanvasShapes, RectangleOutlinesTheBoxEdgesAndNullPenFillsOnePixelLess) {
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    EXPECT_TRUE(Rectangle(dc, 1, 1, 7, 5));
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 1, 7, 7, 11);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    // A thin rectangle is a line; reversed corners are put in order; an empty box draws nothing.
    Rectangle(dc, 9, 1, 10, 5);
    Rectangle(dc, 12, 4, 11, 1);
    Rectangle(dc, 13, 1, 13, 5);
    expectPicture("rectangles");
}

TEST_F(CanvasShapes, WidePenIsCentredOnTheOutlineWithRoundJoins) {
    HPEN wide = CreatePen(PS_SOLID, 3, Red);
    SelectObject(dc, wide);
    SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, 3, 3, 10, 10);
    Rectangle(dc, 13, 3, 14, 7);
    expectPicture("wide-pen");
    SelectObject(dc, GetStockObject(BLACK_PEN));
    EXPECT_TRUE(DeleteObject(wide));
}

TEST_F(CanvasShapes, SmallEllipsesAreRoundAndSymmetric) {
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    Ellipse(dc, 1, 1, 6, 6);
    Ellipse(dc, 8, 1, 11, 4);
    Ellipse(dc, 28, 1, 34, 7);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, 13, 1, 19, 7);
    // Where a 6 x 6 ellipse runs half-way between two pixels the brush alone fills the outer one,
    // while a pen outlines the inner one.
    Ellipse(dc, 20, 1, 27, 8);
    expectPicture("small-ellipses");
}

TEST_F(CanvasShapes, EllipseOfFourteenPixels) {
    SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Ellipse(dc, 2, 2, 16, 16);
    expectPicture("ellipse-14");
}

// Each row of the table, drawn with the black pen and a grey brush one pixel in from the corner.
TEST_F(CanvasShapes, OnePixelPenEllipsesDrawEveryRowOfTheirTable) {
    std::ifstream table(std::string(RENDARO_TEST_DIR) + "/tables/ellipses-1px.txt");
    ASSERT_TRUE(table.is_open());
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    int width = 0, height = 0, rowsChecked = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        if (std::sscanf(line.c_str(), "%d x %d", &width, &height) == 2) {
            ASSERT_TRUE(width + 2 <= Side && height + 2 <= Side) << line;
            initScreen(Side, Side);
            Ellipse(dc, 1, 1, 1 + width, 1 + height);
            continue;
        }
        int y = 0;
        const size_t pen = line.find(": pen ");
        ASSERT_TRUE(std::sscanf(line.c_str(), "row %d:", &y) == 1 && pen != std::string::npos && y < height) << line;
        const size_t brush = line.find("; brush ");
        std::string expected(static_cast<size_t>(width), '.');
        mark(expected, line.substr(pen + 6, brush - pen - 6), '#');
        std::string drawn = art(1, 1 + y, width, 1);
        drawn.pop_back();
        if (brush != std::string::npos) mark(expected, line.substr(brush + 8), 'o');
        else std::replace(drawn.begin(), drawn.end(), 'o', '.');
        EXPECT_EQ(drawn, expected) << width << " x " << height << " row " << y;
        ++rowsChecked;
    }
    EXPECT_GT(rowsChecked, 0);
}

TEST_F(CanvasShapes, EllipsesOfAnySizeAreMirrorSymmetricWithoutGapsOrStrays) {
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    for (int w = 1; w <= 24; w += 1)
        for (int h = 1; h <= 24; h += 5) {
            initScreen(Side, Side);
            Ellipse(dc, 5, 5, 5 + w, 5 + h);
            for (int y = 0; y < Side; ++y)
                for (int x = 0; x < Side; ++x) {
                    const bool inBox = x >= 5 && x < 5 + w && y >= 5 && y < 5 + h;
                    if (!inBox) {
                        ASSERT_EQ(pixel(x, y), White) << w << "x" << h << " at " << x << "," << y;
                        continue;
                    }
                    ASSERT_EQ(pixel(x, y), pixel(2 * 5 + w - 1 - x, y)) << w << "x" << h;
                    ASSERT_EQ(pixel(x, y), pixel(x, 2 * 5 + h - 1 - y)) << w << "x" << h;
                }
            // The outline reaches all four sides of the box.
            ASSERT_EQ(pixel(5 + w / 2, 5), Black);
            ASSERT_EQ(pixel(5, 5 + h / 2), Black);
            // The outline is closed: the grey inside never touches the white outside.
            for (int y = 1; y + 1 < Side; ++y)
                for (int x = 1; x + 1 < Side; ++x)
                    if (pixel(x, y) == Grey) {
                        ASSERT_TRUE(pixel(x - 1, y) != White && pixel(x + 1, y) != White && pixel(x, y - 1) != White &&
                                    pixel(x, y + 1) != White)
                            << w << "x" << h;
                    }
        }
}

TEST_F(CanvasShapes, RoundRectCutsItsCornersByTheCornerEllipse) {
    RoundRect(dc, 1, 1, 9, 7, 3, 3);
    RoundRect(dc, 11, 1, 16, 7, 2, 2);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    RoundRect(dc, 18, 1, 26, 7, 3, 3);
    expectPicture("round-rects");
}

TEST_F(CanvasShapes, PolylineStopsBeforeItsLastPoint) {
    const Point path[] = {{1, 1}, {5, 1}, {5, 4}, {2, 7}};
    EXPECT_TRUE(Polyline(dc, path, 4));
    expectPicture("polyline");
}

TEST_F(CanvasShapes, PolygonIsOutlinedAllRoundAndWithoutPenLeavesRightAndBottomEdgesUnfilled) {
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    const Point triangle[] = {{1, 1}, {7, 1}, {1, 7}};
    EXPECT_TRUE(Polygon(dc, triangle, 3));
    SelectObject(dc, GetStockObject(NULL_PEN));
    const Point square[] = {{9, 1}, {12, 1}, {12, 4}, {9, 4}};
    Polygon(dc, square, 4);
    expectPicture("polygons");
}
