// The board's shape: square numbers, safe squares and every screen point, scaled to boardSize.
#pragma once
#include <cstdint>

#include "game/game_state.h"

// Inline: the move rating asks these for every square it looks at.
// The square a token of colour p stands on at progress r (only r's low 8 bits count).
inline uint8_t squareOf(uint8_t p, uint32_t r) {
    r &= 0xFF;  // a walk back home passes its step count modulo 256
    if (r == 0) return SquareYard;
    if (r <= 43) {
        const uint32_t s = (11u * p + r) % 44;
        return static_cast<uint8_t>(s == 0 ? 44 : s);
    }
    if (r <= 47) return static_cast<uint8_t>(r + 4u * p + 1);
    return SquareHome;
}
// Each colour's start square and the square six steps on: 1, 7, 12, 18, 23, 29, 34 and 40.
constexpr uint64_t SafeSquares = (1ull << 1) | (1ull << 7) | (1ull << 12) | (1ull << 18) | (1ull << 23) |
                                 (1ull << 29) | (1ull << 34) | (1ull << 40);
inline bool isSafeSquare(int32_t s) { return s >= 0 && s < 64 && ((SafeSquares >> s) & 1u) != 0; }
// Screen point, in board pixels, of token i of colour p on square s.
void tokenPoint(uint8_t s, uint8_t p, uint8_t i, int32_t& x, int32_t& y);
// Quarter turns clockwise about the board's centre.
void rotateForColour(int32_t& x, int32_t& y, uint8_t k);
// True for squares of the top and bottom arms, where a square is wider than tall.
bool isVerticalArmSquare(uint8_t s);
