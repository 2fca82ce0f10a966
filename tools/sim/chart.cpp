// Drawing the bar chart on the canvas's screen framebuffer and writing it out with libpng.
#include "tools/sim/chart.h"

#include <algorithm>
#include <cstdio>

#include "platform/canvas/draw.h"
#include "platform/canvas/screen.h"
#include "platform/canvas/screen_dc.h"
#include "tools/png/png.h"

namespace {

constexpr int Width = 320, Height = 180;
constexpr int Margin = 8, TitleHeight = 18, LabelHeight = 16, BarGap = 6;
constexpr int FontHeight = 13;
constexpr Colour SideColours[2] = {RGB(200, 40, 40), RGB(40, 80, 200)};
constexpr Colour FaceColour = RGB(60, 150, 60);
constexpr Colour Ink = RGB(0, 0, 0);

struct Panel {
    int left, right;
    const char* title;
};

void label(HDC dc, const char* text, int left, int top, int right) {
    const Rect box{left, top, right, top + LabelHeight};
    DrawText(dc, text, -1, &box, DT_CENTER | DT_SINGLELINE);
}

// Bars side by side in a panel, heights as fractions of the panel's plot height, each labelled below
// with its text and above with its value.
void drawBars(HDC dc, const Panel& panel, const double* heights, const char* const* labels,
              const char* const* values, const Colour* colours, int count) {
    label(dc, panel.title, panel.left, Margin, panel.right);
    const int top = Margin + TitleHeight + LabelHeight, bottom = Height - Margin - LabelHeight;
    const int step = (panel.right - panel.left) / count;
    for (int i = 0; i < count; ++i) {
        const int left = panel.left + i * step + BarGap / 2, right = left + step - BarGap;
        const int barTop = bottom - static_cast<int>(heights[i] * (bottom - top));
        const HBRUSH brush = CreateSolidBrush(colours[i]);
        const HGDIOBJ previous = SelectObject(dc, brush);
        Rectangle(dc, left, barTop, right, bottom + 1);
        SelectObject(dc, previous);
        DeleteObject(brush);
        label(dc, values[i], left - BarGap, barTop - LabelHeight, right + BarGap);
        label(dc, labels[i], left - BarGap, bottom + 2, right + BarGap);
    }
}

void drawWins(HDC dc, const SimOptions& options, const Tally& tally, const Panel& panel) {
    double heights[2];
    char values[2][16];
    const char* valueTexts[2];
    for (int s = 0; s < 2; ++s) {
        heights[s] = static_cast<double>(tally.wins[s]) / static_cast<double>(tally.games);
        std::snprintf(values[s], sizeof values[s], "%.1f%%", 100.0 * heights[s]);
        valueTexts[s] = values[s];
    }
    char labelTexts[2][16];
    const char* labels[2];
    for (int s = 0; s < 2; ++s) {
        std::snprintf(labelTexts[s], sizeof labelTexts[s], "%d %s", s + 1, difficultyName(options.sides[s]));
        labels[s] = labelTexts[s];
    }
    drawBars(dc, panel, heights, labels, valueTexts, SideColours, 2);
}

void drawFaces(HDC dc, const Tally& tally, const Panel& panel) {
    const int64_t most = *std::max_element(std::begin(tally.faces), std::end(tally.faces));
    double heights[6];
    char values[6][16];
    const char* valueTexts[6];
    const char* labels[6] = {"1", "2", "3", "4", "5", "6"};
    Colour colours[6];
    int64_t total = 0;
    for (const int64_t f : tally.faces) total += f;
    for (int f = 0; f < 6; ++f) {
        heights[f] = most > 0 ? static_cast<double>(tally.faces[f]) / static_cast<double>(most) : 0.0;
        std::snprintf(values[f], sizeof values[f], "%.1f",
                      total > 0 ? 100.0 * static_cast<double>(tally.faces[f]) / static_cast<double>(total) : 0.0);
        valueTexts[f] = values[f];
        colours[f] = FaceColour;
    }
    drawBars(dc, panel, heights, labels, valueTexts, colours, 6);
}

}  // namespace

bool drawChart(const SimOptions& options, const Tally& tally, const char* path) {
    initScreen(Width, Height);
    const HDC dc = openScreenDC(0, 0, Rect{0, 0, Width, Height});
    const HFONT font = CreateFontCellHeight(FontHeight);
    const HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Ink);
    const bool wins = tally.games > 0;
    const int split = wins ? Width * 2 / 5 : Margin;
    if (wins) drawWins(dc, options, tally, Panel{Margin, split - Margin, "wins per side"});
    drawFaces(dc, tally, Panel{split + Margin, Width - Margin, "each die face, % of rolls"});
    SelectObject(dc, previousFont);
    DeleteObject(font);
    closeScreenDC(dc);
    const bool written = writePng(path, screenPixels(), Width, Height);
    initScreen(0, 0);  // back to drawing nothing
    return written;
}
