// Tokens: discs and stacks, square backgrounds, erasing and the flash of the tokens that can move.
#include "render/tokens.h"

#include "ai/choice.h"
#include "game/game_state.h"
#include "game/track.h"
#include "platform/window/clock.h"
#include "render/layout.h"

namespace {

constexpr int32_t MaxDrawnOnSquare = 8;

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
        if (moveScores[i + 8 * row].score >= ScoreNotEvaluated) continue;
        f(static_cast<uint8_t>((game.core.currentPlayer + (i > 3 ? 2 : 0)) % 4), static_cast<uint8_t>(i % 4));
    }
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
    if (!drawing()) return;
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

void eraseToken(uint8_t square, uint8_t colour, uint8_t token) {
    if (!drawing()) return;
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

uint8_t listMovableTokens(uint8_t colours[MaxMovableTokens], uint8_t tokens[MaxMovableTokens]) {
    uint8_t count = 0;
    forEachMovableToken([&](uint8_t colour, uint8_t token) {
        colours[count] = colour;
        tokens[count] = token;
        ++count;
    });
    return count;
}
