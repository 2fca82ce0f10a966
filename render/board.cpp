// Board drawing: the whole picture rebuilt at every paint, the computer marks, the turn frame and the winner marker.
#include "render/board.h"

#include "game/game_state.h"
#include "game/track.h"
#include "platform/window/messages.h"
#include "render/dice_row.h"
#include "render/layout.h"
#include "render/panel.h"
#include "render/tokens.h"

namespace {

HPEN colourPen(uint8_t colour, PenIndex kind) { return pens[4 * kind + colour]; }

// The yard colours are visited in this order wherever the board is built.
constexpr uint8_t colourOrder[4] = {1, 2, 3, 0};
constexpr uint8_t placeOrder[4] = {1, 2, 0, 3};

int32_t boardSide() { return game.boardSize; }

int32_t yardLeft(uint8_t p) { return ((p / 2) * boardSide() * 2) / 3; }
int32_t yardTop(uint8_t p) { return (p == 0 || p == 3) ? (2 * boardSide()) / 3 : 0; }
int32_t yardCentreX(uint8_t p) { return yardLeft(p) + boardSide() / 6; }
int32_t yardCentreY(uint8_t p) { return yardTop(p) + boardSide() / 6; }

void drawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    const Point points[2] = {{x0, y0}, {x1, y1}};
    Polyline(drawSurface, points, 2);
}

// Calls f for the colour to play and, in a partners game, its partner.
template <typename F>
void forEachColourOfSide(F f) {
    for (uint8_t i = 0; i <= partnersBit(); ++i) f(static_cast<uint8_t>((game.core.currentPlayer + 2 * i) % 4));
}

void drawArmOutlines() {
    const int32_t S = boardSide();
    Rectangle(drawSurface, S / 3, 0, (2 * S) / 3, S + 1);
    Rectangle(drawSurface, 0, S / 3, S + 1, (2 * S) / 3);
    Rectangle(drawSurface, 0, (4 * S) / 9, S / 3 + 1, (5 * S) / 9);
    Rectangle(drawSurface, (4 * S) / 9, 0, (5 * S) / 9, S / 3 + 1);
    Rectangle(drawSurface, (2 * S) / 3 - 1, (4 * S) / 9, S + 1, (5 * S) / 9);
    Rectangle(drawSurface, (4 * S) / 9, (2 * S) / 3 - 1, (5 * S) / 9, S + 1);
}

// Yard, home column, start square and centre triangle of one colour.
void drawColouredParts(uint8_t p) {
    const int32_t S = boardSide();
    const int32_t third = S / 3, twoThirds = (2 * S) / 3, four9 = (4 * S) / 9, five9 = (5 * S) / 9;
    const int32_t one15 = S / 15, two15 = (2 * S) / 15, thirteen15 = (13 * S) / 15, fourteen15 = (14 * S) / 15;
    useObject(brushes[p][ShadeLight]);
    Point triangle[3] = {{S / 2, S / 2}, {}, {}};
    switch (p) {
        case 1:
            Rectangle(drawSurface, 0, 0, third, third);
            Rectangle(drawSurface, one15, four9, third + 1, five9);
            Rectangle(drawSurface, one15, third, two15 + 1, four9 + 1);
            triangle[1] = {third, third};
            triangle[2] = {third, twoThirds};
            break;
        case 2:
            Rectangle(drawSurface, twoThirds, 0, S, third);
            Rectangle(drawSurface, four9, one15, five9, third + 1);
            Rectangle(drawSurface, five9 - 1, one15, twoThirds, two15 + 1);
            triangle[1] = {third, third};
            triangle[2] = {twoThirds, third};
            break;
        case 3:
            Rectangle(drawSurface, twoThirds, twoThirds, S, S + 1);
            Rectangle(drawSurface, twoThirds - 1, four9, fourteen15 + 1, five9);
            Rectangle(drawSurface, thirteen15, five9 - 1, fourteen15 + 1, twoThirds);
            triangle[1] = {twoThirds, twoThirds};
            triangle[2] = {twoThirds, third};
            break;
        default:
            Rectangle(drawSurface, 0, twoThirds, third, S + 1);
            Rectangle(drawSurface, four9, twoThirds - 1, five9, fourteen15 + 1);
            Rectangle(drawSurface, third, thirteen15, four9 + 1, fourteen15 + 1);
            triangle[1] = {twoThirds, twoThirds};
            triangle[2] = {third, twoThirds};
            break;
    }
    Polygon(drawSurface, triangle, 3);
}

// Four one-pixel rectangles dividing an arm into five rows, from `start` along the board's x or y axis.
void drawCellLines(int32_t start, bool alongX) {
    const int32_t S = boardSide();
    const int32_t third = S / 3, twoThirds = (2 * S) / 3;
    for (int32_t k = 1; k <= 4; ++k) {
        const int32_t d = start + (k * S) / 15;
        if (alongX)
            Rectangle(drawSurface, d, third, d + 1, twoThirds);
        else
            Rectangle(drawSurface, third, d, twoThirds, d + 1);
    }
}

// Each place is a dark rim whose lower right a white disc, one pixel further on, covers.
void drawYardPlaces() {
    const int32_t S = boardSide();
    useStock(WHITE_BRUSH);
    for (int32_t j = 0; j < 4; ++j)
        for (uint8_t p : placeOrder) {
            const int32_t x0 = yardLeft(p) + ((j % 2) * S) / 6;
            const int32_t y0 = yardTop(p) + ((j / 2) * S) / 6;
            useObject(colourPen(p, PenThinDark));
            Ellipse(drawSurface, x0 + S / 24 - 1, y0 + S / 24 - 1, x0 + S / 8 + 1, y0 + S / 8 + 1);
            useStock(NULL_PEN);
            Ellipse(drawSurface, x0 + S / 24, y0 + S / 24, x0 + S / 8 + 2, y0 + S / 8 + 2);
        }
}

// The grey squares six steps after each start: 40, 7, 18, 29.
void drawSafeSquares() {
    const int32_t S = boardSide();
    const int32_t third = S / 3, twoThirds = (2 * S) / 3, four9 = (4 * S) / 9, five9 = (5 * S) / 9;
    const int32_t two15 = (2 * S) / 15, three15 = (3 * S) / 15, twelve15 = (12 * S) / 15, thirteen15 = (13 * S) / 15;
    useStock(GRAY_BRUSH);
    useStock(BLACK_PEN);
    Rectangle(drawSurface, five9 - 1, twelve15, twoThirds, thirteen15 + 1);
    Rectangle(drawSurface, two15, five9 - 1, three15 + 1, twoThirds);
    Rectangle(drawSurface, third, two15, four9 + 1, three15 + 1);
    Rectangle(drawSurface, twelve15, third, thirteen15 + 1, four9 + 1);
}

void drawComputerMarks() {
    for (uint8_t p = 0; p < 4; ++p) {
        if (game.players[p].kind != Computer) continue;
        useObject(colourPen(p, PenThinDark));
        const int32_t cx = yardCentreX(p), cy = yardCentreY(p);
        drawLine(cx - 5, cy - 7, cx + 3, cy - 7);
        drawLine(cx - 5, cy - 7, cx - 5, cy + 3);
        drawLine(cx - 6, cy + 8, cx + 5, cy + 8);
        drawLine(cx + 5, cy - 8, cx + 5, cy + 9);
        for (int32_t i = 0; i < 4; ++i) drawLine(cx - 4 + 2 * i, cy + 5, cx - 4 + 2 * i, cy + 6);
    }
}

void drawStars() {
    for (uint8_t s = 0; s <= 60; ++s) {
        if (!isSafeSquare(s)) continue;
        int32_t x = 0, y = 0;
        tokenPoint(s, 0, 0, x, y);
        drawStar(x, y);
    }
}

}  // namespace

void paintWindow() {
    HDC paintSurface = BeginPaint();
    drawSurface = paintSurface;
    SetBkMode(drawSurface, OPAQUE);
    HGDIOBJ previousFont = useObject(boardFont);
    paintBoard();
    useObject(previousFont);
    drawSurface = nullptr;
    EndPaint(paintSurface);
}

void paintBoard() {
    useStock(BLACK_PEN);
    HGDIOBJ previousBrush = useStock(HOLLOW_BRUSH);
    drawArmOutlines();
    for (uint8_t p : colourOrder) drawColouredParts(p);
    const int32_t twoThirds = (2 * boardSide()) / 3;
    drawCellLines(0, true);
    drawCellLines(0, false);
    drawCellLines(twoThirds, true);
    drawCellLines(twoThirds, false);
    drawYardPlaces();
    drawComputerMarks();
    drawSafeSquares();
    drawStars();
    drawAllStacks();
    drawTurnMarker(false);
    const TurnState state = turnState();
    if (state == PickMove) {
        drawChoosePanel();
    } else {
        drawMessagePanel();
        drawDiceRow();
        if (state == GameOver) drawWinnerMarker();
    }
    if (state == AwaitRoll) drawRollButton();
    useObject(previousBrush);
}

void drawTurnMarker(bool erase) {
    if (!drawing()) return;
    const int32_t S = boardSide();
    forEachColourOfSide([&](uint8_t p) {
        useStock(HOLLOW_BRUSH);
        useObject(colourPen(p, erase ? PenWideLight : PenWideDark));
        const int32_t left = yardLeft(p), top = yardTop(p);
        Rectangle(drawSurface, left + 4, top + 4, left + S / 3 - 4, top + S / 3 - 4);
    });
}

void drawWinnerMarker() {
    useStock(NULL_PEN);
    forEachColourOfSide([](uint8_t p) {
        const int32_t cx = yardCentreX(p), cy = yardCentreY(p);
        useObject(brushes[p][ShadeLight]);
        Rectangle(drawSurface, cx - 10, cy - 10, cx + 10, cy + 10);
        copyImage(images[SmallDieImage], cx - 8, cy - 8, 16, 16, SRCAND);
    });
}
