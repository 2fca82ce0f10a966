// The dice row below the board, the Roll button and the tumbling die's frames.
#include "render/dice_row.h"

#include "game/game_state.h"
#include "platform/window/clock.h"
#include "render/geometry.h"
#include "render/layout.h"
#include "render/panel.h"

namespace {

constexpr int32_t FrameSize = 30;
constexpr int32_t RollFrameCount = 6;

enum DieLook : uint8_t { DieNormal, DieSelected, DieUsed };

DieLook lookOfDie(bool used, uint8_t index) {
    if (used) return DieUsed;
    return game.pendingMove.dieIndex == index ? DieSelected : DieNormal;
}

void drawPip(int32_t px, int32_t py) { Rectangle(drawSurface, px, py, px + 2, py + 2); }

void drawDie(int32_t x, int32_t y, uint8_t value, DieLook look) {
    switch (look) {
        case DieSelected:
            useStock(BLACK_PEN);
            useObject(brushes[game.core.currentPlayer % 4][ShadeLight]);
            break;
        case DieUsed:
            useObject(greyPen());
            useStock(WHITE_BRUSH);
            break;
        default:
            useStock(BLACK_PEN);
            useStock(WHITE_BRUSH);
            break;
    }
    Rectangle(drawSurface, x + 1, y - 1, x + DieWidth + 1, y + DieWidth - 1);
    Rectangle(drawSurface, x, y, x + DieWidth, y + DieWidth);
    if (value % 2 == 1) drawPip(x + 9, y + 9);
    if (value > 1) {
        drawPip(x + 4, y + 4);
        drawPip(x + 14, y + 14);
    }
    if (value > 3) {
        drawPip(x + 14, y + 4);
        drawPip(x + 4, y + 14);
    }
    if (value == 6) {
        drawPip(x + 4, y + 9);
        drawPip(x + 14, y + 9);
    }
}

}  // namespace

void drawDiceRow() {
    if (!drawing()) return;
    const int32_t y = game.boardSize + DieTop;
    const uint8_t sixes = sixesRolled(), used = sixesUsed(), last = lastDie();
    if (sixes >= 1) drawDie(dieLeft(0), y, 6, lookOfDie(used >= 1, 0));
    if (sixes >= 2) drawDie(dieLeft(1), y, 6, lookOfDie(used >= 2, 1));
    if (last >= 1 && last <= 5)
        drawDie(dieLeft(sixes), y, last, lookOfDie(lastDieUsed(), sixes));
    else if (sixes == 3 && last == 6)
        drawDie(dieLeft(2), y, 6, DieUsed);
}

void drawRollButton() {
    const int32_t S = game.boardSize;
    const uint8_t colour = game.core.currentPlayer % 4;
    useStock(NULL_PEN);
    useStock(GRAY_BRUSH);
    const int32_t left = S - RollButtonInset;
    RoundRect(drawSurface, left + 1, S + 6, S - 3, S + 26, 3, 3);  // its shadow
    useStock(BLACK_PEN);
    useObject(brushes[colour][ShadeLight]);
    RoundRect(drawSurface, left, S + 5, S - 5, S + 24, 2, 2);
    SetBkColor(drawSurface, lightColours[colour]);
    drawTextAt("Roll!", S - 28, S + 8);
    SetBkColor(drawSurface, RGB(255, 255, 255));
}

int16_t rollAnimation(bool human) {
    const int32_t S = game.boardSize;
    const int32_t y = S + 1;
    const int32_t stop = FrameSize * sixesRolled() + 8;
    int32_t x = human ? S - 34 : 2 * (S - 34);
    int frame = 0;
    useStock(WHITE_PEN);
    useStock(WHITE_BRUSH);
    while (x >= stop) {
        if (x <= S - 19) Rectangle(drawSurface, x, y, x + FrameSize, y + FrameSize);
        x -= 15;
        int32_t frameX = S - 34;
        if (x <= S - 34) {
            frameX = x;
            if (!human && sixesRolled() == 0) clearDiceArea();
        }
        copyImage(images[FirstRollFrame + frame], frameX, y, FrameSize, FrameSize, SRCCOPY);
        frame = (frame + 1) % RollFrameCount;
        waitMs(50);
    }
    return static_cast<int16_t>(x);
}

void eraseRollFrame(int32_t x) {
    const int32_t top = game.boardSize + 1;
    useStock(WHITE_PEN);
    useStock(WHITE_BRUSH);
    Rectangle(drawSurface, x, top, x + FrameSize, top + FrameSize);
}
