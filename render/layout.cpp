// Screen layout and drawing resources: the metrics, the colour set, the font, the images and the image copy.
#include "render/layout.h"

#include <cstring>

#include "game/game_state.h"

int16_t screenWidth{};
int16_t screenHeight{};
HBRUSH brushes[4][3]{};
HPEN pens[13]{};
HFONT boardFont{};
HBITMAP images[9]{};
HDC drawSurface{};

namespace {

// [shade][colour], shades in the order of ColourShade.
constexpr Colour shadeColours[3][4] = {
    {RGB(255, 136, 136), RGB(136, 136, 255), RGB(255, 255, 136), RGB(136, 255, 136)},
    {RGB(136, 0, 0), RGB(0, 0, 136), RGB(136, 136, 0), RGB(0, 136, 0)},
    {RGB(204, 68, 68), RGB(68, 68, 204), RGB(204, 204, 68), RGB(68, 204, 68)},
};
constexpr Colour GreyPenColour = RGB(136, 136, 136);
constexpr int FirstImageResource = 102;
constexpr int BoardFontHeight = 12;

void loadImages() {
    for (int i = 0; i < 9; ++i) images[i] = LoadBitmap(FirstImageResource + i);
}

void freeImages() {
    for (HBITMAP& image : images) {
        if (image) DeleteObject(image);
        image = nullptr;
    }
}

}  // namespace

const Colour lightColours[4] = {shadeColours[ShadeLight][0], shadeColours[ShadeLight][1], shadeColours[ShadeLight][2],
                                shadeColours[ShadeLight][3]};

void initScreenLayout() {
    screenWidth = static_cast<int16_t>(GetSystemMetrics(SM_CXSCREEN));
    screenHeight = static_cast<int16_t>(GetSystemMetrics(SM_CYSCREEN));
    game.boardSize = screenWidth < screenHeight ? screenWidth : screenHeight;
}

bool createDrawingResources() {
    for (int shade = 0; shade < 3; ++shade)
        for (int colour = 0; colour < 4; ++colour) brushes[colour][shade] = CreateSolidBrush(shadeColours[shade][colour]);
    // Pen kinds in creation order: wide light, wide dark, thin dark.
    constexpr int penShade[3] = {ShadeLight, ShadeDark, ShadeDark};
    constexpr int penWidth[3] = {3, 3, 1};
    for (int kind = 0; kind < 3; ++kind)
        for (int colour = 0; colour < 4; ++colour)
            pens[4 * kind + colour] = CreatePen(PS_SOLID, penWidth[kind], shadeColours[penShade[kind]][colour]);
    pens[GreyPenIndex] = CreatePen(PS_SOLID, 1, GreyPenColour);
    loadImages();
    boardFont = CreateFontCellHeight(BoardFontHeight);
    return brushes[0][ShadeLight] != nullptr && greyPen() != nullptr;
}

void destroyDrawingResources() {
    for (auto& colour : brushes)
        for (HBRUSH& brush : colour) {
            if (brush) DeleteObject(brush);
            brush = nullptr;
        }
    for (HPEN& pen : pens) {
        if (pen) DeleteObject(pen);
        pen = nullptr;
    }
    freeImages();
    if (boardFont) DeleteObject(boardFont);
    boardFont = nullptr;
}

void drawTextAt(const char* text, int32_t x, int32_t y) {
    const Rect box{x, y, screenWidth, screenHeight};
    DrawText(drawSurface, text, static_cast<int>(std::strlen(text)), &box, DT_LEFT | DT_TOP);
}

void copyImage(HBITMAP image, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t rop) {
    HDC source = CreateCompatibleDC(drawSurface);
    HGDIOBJ previous = SelectObject(source, image);
    BitBlt(drawSurface, x, y, width, height, source, 0, 0, rop);
    SelectObject(source, previous);
    DeleteDC(source);
}

HGDIOBJ useObject(HGDIOBJ object) { return SelectObject(drawSurface, object); }

HGDIOBJ useStock(int stockId) { return useObject(GetStockObject(stockId)); }
