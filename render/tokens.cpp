// Tokens, dice and move animation: discs and stacks, square backgrounds, the token flash, the dice and the tumbling die.
#include "render/tokens.h"

#include "ai/choice.h"
#include "game/game_state.h"
#include "game/track.h"
#include "platform/window/clock.h"
#include "render/layout.h"
#include "render/panel.h"

namespace {

constexpr int16_t NoMove = 30000;
constexpr int32_t MaxDrawnOnSquare = 8;
constexpr int32_t FrameSize = 30;
constexpr int32_t RollFrameCount = 6;

bool onTrackOrColumn(uint8_t s) { return s >= 1 && s <= 60; }

// Offset of the n-th token of a stack of `count` along the square's long side.
int32_t spreadOffset(int32_t n, int32_t count) {
    const int32_t k = count < 6 ? count : 6;
    return (n - k / 3) * (7 - k) - ((7 - k) / 2) * ((k + 1) % 2) - 1;
}

// Calls f(colour, token) for each token the human could move with the die to be played now.
template <typename F>
void forEachMovableToken(F f) {
    const int row = game.pendingMove.dieIndex != sixesRolled() ? 1 : 0;
    const int candidates = flag(FlagPartners) ? 8 : 4;
    for (int i = 0; i < candidates; ++i) {
        if (moveScores[i + 8 * row].score >= NoMove) continue;
        f(static_cast<uint8_t>((game.core.currentPlayer + (i > 3 ? 2 : 0)) % 4), static_cast<uint8_t>(i % 4));
    }
}

DieLook lookOfDie(bool used, uint8_t index) {
    if (used) return DieUsed;
    return game.pendingMove.dieIndex == index ? DieSelected : DieNormal;
}

void drawPip(int32_t px, int32_t py) { Rectangle(drawSurface, px, py, px + 2, py + 2); }

}  // namespace

void drawTokenDisc(uint8_t colour, int32_t x, int32_t y) {
    useStock(NULL_PEN);
    useObject(brushes[colour][ShadeDark]);
    Ellipse(drawSurface, x - 6, y - 6, x + 8, y + 8);
    useObject(brushes[colour][ShadeMedium]);
    Ellipse(drawSurface, x - 5, y - 5, x + 6, y + 6);
    useObject(brushes[colour][ShadeLight]);
    Ellipse(drawSurface, x - 4, y - 4, x + 4, y + 4);
}

void drawStack(uint8_t slot) {
    if (drawSurface == nullptr) return;  // no surface, nothing to draw on: the simulator's games
    const BoardSlot& here = game.board[slot];
    const uint8_t s = here.square;
    const bool onTrack = onTrackOrColumn(s);
    const bool vertical = isVerticalArmSquare(s);
    int32_t baseX = 0, baseY = 0;
    if (onTrack) tokenPoint(s, 0, 0, baseX, baseY);
    for (int32_t n = 0;; ++n) {
        uint8_t colour = None, token = None;
        const uint8_t left = findTokenInSlot(slot, static_cast<uint8_t>(n), 0xFFFF, colour, token);
        if (colour == None) return;
        if (game.players[colour].kind != Absent) {
            int32_t x = baseX, y = baseY;
            if (!onTrack) tokenPoint(s, colour, token, x, y);
            if (here.count > 1 && onTrack) (vertical ? x : y) += spreadOffset(n, here.count);
            drawTokenDisc(colour, x, y);
        }
        if (left == 0 || (onTrack && n + 1 >= MaxDrawnOnSquare)) return;
    }
}

void drawAllStacks() {
    for (uint8_t slot = 0; slot < 16; ++slot)
        if (game.board[slot].square != None) drawStack(slot);
}

void squareBrush(uint8_t square) {
    HBRUSH brush = nullptr;
    if (square >= 1 && square <= 43 && (square - 1) % 11 == 0)
        brush = brushes[(square - 1) / 11][ShadeLight];
    else if (isSafeSquare(square))
        brush = GetStockObject(GRAY_BRUSH);
    else if (square >= 45 && square <= 60)
        brush = brushes[(square - 45) / 4][ShadeLight];
    else
        brush = GetStockObject(WHITE_BRUSH);
    useObject(brush);
}

void eraseToken(uint8_t square, uint8_t colour, uint8_t token) {
    if (drawSurface == nullptr) return;  // no surface, nothing to draw on: the simulator's games
    const int32_t S = game.boardSize;
    int32_t x = 0, y = 0;
    tokenPoint(square, colour, token, x, y);
    squareBrush(square);
    useStock(NULL_PEN);
    if (onTrackOrColumn(square)) {
        if (isVerticalArmSquare(square))
            Rectangle(drawSurface, x - S / 18 + 1, y - 6, x + S / 18 - 1, y + 8);
        else
            Rectangle(drawSurface, x - 6, y - S / 18 + 1, x + 8, y + S / 18 - 1);
        if (isSafeSquare(square)) drawStar(x, y);
    } else if (square == SquareYard || square == SquareHome) {
        Ellipse(drawSurface, x - 6, y - 6, x + 8, y + 8);
    }
}

void drawStar(int32_t x, int32_t y) { copyImage(images[StarImage], x - 6, y - 6, 13, 13, SRCAND); }

void blinkMovableTokens() {
    forEachMovableToken([](uint8_t colour, uint8_t token) { eraseToken(slotOf(colour, token).square, colour, token); });
    waitMs(150);
    forEachMovableToken([](uint8_t colour, uint8_t token) { drawStack(game.players[colour].slot[token]); });
}

void flashMovableTokens() {
    blinkMovableTokens();
    waitMs(150);
    blinkMovableTokens();
}

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
        case DieBlank:
            useStock(WHITE_PEN);
            useStock(WHITE_BRUSH);
            break;
        default:
            useStock(BLACK_PEN);
            useStock(WHITE_BRUSH);
            break;
    }
    Rectangle(drawSurface, x + 1, y - 1, x + 21, y + 19);
    Rectangle(drawSurface, x, y, x + 20, y + 20);
    if (look == DieBlank) return;
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

void drawDiceRow() {
    if (drawSurface == nullptr) return;  // no surface, nothing to draw on: the simulator's games
    const int32_t y = game.boardSize + 5;
    const uint8_t sixes = sixesRolled(), used = sixesUsed(), last = lastDie();
    if (sixes >= 1) drawDie(4, y, 6, lookOfDie(used >= 1, 0));
    if (sixes >= 2) drawDie(28, y, 6, lookOfDie(used >= 2, 1));
    if (last >= 1 && last <= 5)
        drawDie(4 + 24 * sixes, y, last, lookOfDie(lastDieUsed(), sixes));
    else if (sixes == 3 && last == 6)
        drawDie(52, y, 6, DieUsed);
}

void drawRollButton() {
    const int32_t S = game.boardSize;
    const uint8_t colour = game.core.currentPlayer % 4;
    useStock(NULL_PEN);
    useStock(GRAY_BRUSH);
    RoundRect(drawSurface, S - 33, S + 6, S - 3, S + 26, 3, 3);
    useStock(BLACK_PEN);
    useObject(brushes[colour][ShadeLight]);
    RoundRect(drawSurface, S - 34, S + 5, S - 5, S + 24, 2, 2);
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
