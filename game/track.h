// The board's shape: square numbers, safe squares and every screen point, scaled to boardSize.
#pragma once
#include <cstdint>

// The square a token of colour p stands on at progress r (only r's low 8 bits count).
uint8_t squareOf(uint8_t p, uint32_t r);
bool isSafeSquare(int32_t s);
// Screen point, in board pixels, of token i of colour p on square s.
void tokenPoint(uint8_t s, uint8_t p, uint8_t i, int32_t& x, int32_t& y);
// Quarter turns clockwise about the board's centre.
void rotateForColour(int32_t& x, int32_t& y, uint8_t k);
// True for squares of the top and bottom arms, where a square is wider than tall.
bool isVerticalArmSquare(uint8_t s);
