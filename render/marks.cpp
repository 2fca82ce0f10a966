// Token marks: a dot, a triangle, two bars and a cross, the shapes of colours 0 to 3.
#include "render/marks.h"

#include "game/game_state.h"
#include "render/layout.h"

namespace {

constexpr int FullSide = 5;   // the mark on a disc in view: inside the light disc at every row
constexpr int SmallSide = 3;  // the mark on the strip a covering disc leaves

// '#' is ink. Each colour's small shape is its full one cut down, so the two read alike.
constexpr const char* FullShapes[4][FullSide] = {
    {".....", ".###.", ".###.", ".###.", "....."},
    {"..#..", "..#..", ".###.", ".###.", "#####"},
    {".....", "#####", ".....", "#####", "....."},
    {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"},
};
constexpr const char* SmallShapes[4][SmallSide] = {
    {"###", "###", "###"},
    {"...", ".#.", "###"},
    {"###", "...", "###"},
    {"#.#", ".#.", "#.#"},
};

// One run of ink per stretch of '#' in each row: a rectangle one pixel high is a line of its pen.
void drawShape(const char* const* rows, int side, int32_t left, int32_t top) {
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            if (rows[row][column] != '#') continue;
            const int start = column;
            while (column + 1 < side && rows[row][column + 1] == '#') ++column;
            Rectangle(drawSurface, left + start, top + row, left + column + 1, top + row + 1);
        }
}

}  // namespace

void drawTokenMark(uint8_t colour, int32_t x, int32_t y, MarkPlace place) {
    if (!flag(FlagTokenMarks)) return;
    useStock(BLACK_PEN);
    // The light disc fills x-4..x+2 about its middle x-1; a disc 5 pixels on covers it from x-1.
    switch (place) {
    case MarkPlace::Middle: drawShape(FullShapes[colour], FullSide, x - 3, y - 3); break;
    case MarkPlace::EdgeX: drawShape(SmallShapes[colour], SmallSide, x - 4, y - 2); break;
    case MarkPlace::EdgeY: drawShape(SmallShapes[colour], SmallSide, x - 2, y - 4); break;
    case MarkPlace::Covered: break;
    }
}
