// The board's shape: square numbers, safe squares and the screen point of every token spot.
#include "game/track.h"

#include "game/game_state.h"

namespace {

// Centre of squares 1..60 as fractions of the board side, x then y (index 0 unused).
constexpr double SquareCentre[61][2] = {
    {0, 0},
    {7.0 / 18, 27.0 / 30},  // 1
    {7.0 / 18, 25.0 / 30},  // 2
    {7.0 / 18, 23.0 / 30},  // 3
    {7.0 / 18, 21.0 / 30},  // 4
    {9.0 / 30, 11.0 / 18},  // 5
    {7.0 / 30, 11.0 / 18},  // 6
    {5.0 / 30, 11.0 / 18},  // 7
    {3.0 / 30, 11.0 / 18},  // 8
    {1.0 / 30, 11.0 / 18},  // 9
    {1.0 / 30, 1.0 / 2},  // 10
    {1.0 / 30, 7.0 / 18},  // 11
    {3.0 / 30, 7.0 / 18},  // 12
    {5.0 / 30, 7.0 / 18},  // 13
    {7.0 / 30, 7.0 / 18},  // 14
    {9.0 / 30, 7.0 / 18},  // 15
    {7.0 / 18, 9.0 / 30},  // 16
    {7.0 / 18, 7.0 / 30},  // 17
    {7.0 / 18, 5.0 / 30},  // 18
    {7.0 / 18, 3.0 / 30},  // 19
    {7.0 / 18, 1.0 / 30},  // 20
    {1.0 / 2, 1.0 / 30},  // 21
    {11.0 / 18, 1.0 / 30},  // 22
    {11.0 / 18, 3.0 / 30},  // 23
    {11.0 / 18, 5.0 / 30},  // 24
    {11.0 / 18, 7.0 / 30},  // 25
    {11.0 / 18, 9.0 / 30},  // 26
    {21.0 / 30, 7.0 / 18},  // 27
    {23.0 / 30, 7.0 / 18},  // 28
    {25.0 / 30, 7.0 / 18},  // 29
    {27.0 / 30, 7.0 / 18},  // 30
    {29.0 / 30, 7.0 / 18},  // 31
    {29.0 / 30, 1.0 / 2},  // 32
    {29.0 / 30, 11.0 / 18},  // 33
    {27.0 / 30, 11.0 / 18},  // 34
    {25.0 / 30, 11.0 / 18},  // 35
    {23.0 / 30, 11.0 / 18},  // 36
    {21.0 / 30, 11.0 / 18},  // 37
    {11.0 / 18, 21.0 / 30},  // 38
    {11.0 / 18, 23.0 / 30},  // 39
    {11.0 / 18, 25.0 / 30},  // 40
    {11.0 / 18, 27.0 / 30},  // 41
    {11.0 / 18, 29.0 / 30},  // 42
    {1.0 / 2, 29.0 / 30},  // 43
    {7.0 / 18, 29.0 / 30},  // 44
    {1.0 / 2, 27.0 / 30},  // 45
    {1.0 / 2, 25.0 / 30},  // 46
    {1.0 / 2, 23.0 / 30},  // 47
    {1.0 / 2, 21.0 / 30},  // 48
    {3.0 / 30, 1.0 / 2},  // 49
    {5.0 / 30, 1.0 / 2},  // 50
    {7.0 / 30, 1.0 / 2},  // 51
    {9.0 / 30, 1.0 / 2},  // 52
    {1.0 / 2, 3.0 / 30},  // 53
    {1.0 / 2, 5.0 / 30},  // 54
    {1.0 / 2, 7.0 / 30},  // 55
    {1.0 / 2, 9.0 / 30},  // 56
    {27.0 / 30, 1.0 / 2},  // 57
    {25.0 / 30, 1.0 / 2},  // 58
    {23.0 / 30, 1.0 / 2},  // 59
    {21.0 / 30, 1.0 / 2},  // 60
};

}  // namespace

uint8_t squareOf(uint8_t p, uint32_t r) {
    r &= 0xFF;  // a walk back home passes its step count modulo 256
    if (r == 0) return SquareYard;
    if (r <= 43) {
        uint32_t s = (11u * p + r) % 44;
        return static_cast<uint8_t>(s == 0 ? 44 : s);
    }
    if (r <= 47) return static_cast<uint8_t>(r + 4u * p + 1);
    return SquareHome;
}

bool isSafeSquare(int32_t s) {
    // Signed remainders: (3 - 7) % 11 is -4, so square 3 is not safe.
    return s >= 1 && s <= 43 && ((s - 1) % 11 == 0 || (s - 7) % 11 == 0);
}

void tokenPoint(uint8_t s, uint8_t p, uint8_t i, int32_t& x, int32_t& y) {
    const int32_t S = game.boardSize;
    if (s >= 1 && s <= 60) {
        x = static_cast<int32_t>(SquareCentre[s][0] * S);
        y = static_cast<int32_t>(SquareCentre[s][1] * S);
        return;
    }
    if (s == SquareYard) {
        x = ((i % 2) * S) / 6 + S / 12;
        y = ((i / 2) * S) / 6 + (2 * S) / 3 + S / 12;
    } else {  // home; no other square value names a token's place
        x = 12 * i + S / 2 - 18;
        y = (2 * S) / 3 - 8;
    }
    rotateForColour(x, y, p);
}

void rotateForColour(int32_t& x, int32_t& y, uint8_t k) {
    const int32_t S = game.boardSize;
    const int32_t x0 = x, y0 = y;
    switch (k) {
    case 1: x = S - y0; y = x0; break;
    case 2: x = S - x0; y = S - y0; break;
    case 3: x = y0; y = S - x0; break;
    default: break;
    }
}

bool isVerticalArmSquare(uint8_t s) {
    if (s >= 57) return false;
    return !((s >= 5 && s <= 15) || (s >= 27 && s <= 37) || (s >= 49 && s <= 52));
}
