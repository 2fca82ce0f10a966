// The one game record and the small operations over it that every subsystem shares.
#include "game/game_state.h"

#include <bit>

GameState game;
char messageText[MessageCapacity]{};

uint8_t findTokenInSlot(const Position& pos, uint8_t slot, uint8_t skip, uint16_t mask, uint8_t& colour, uint8_t& token) {
    uint16_t set = pos.board[slot].tokenMask & mask;
    for (; skip > 0 && set != 0; --skip) set &= set - 1;  // drop the lowest tokens
    if (set == 0) return 0;
    const int bit = std::countr_zero(set);
    colour = static_cast<uint8_t>(bit / 4);
    token = static_cast<uint8_t>(bit % 4);
    return tokenCount(static_cast<uint16_t>(set & (set - 1)));
}

uint8_t dieValue(const Position& pos, uint8_t d) { return d == sixesRolled(pos) ? lastDie(pos) : 6; }

bool dieUsed(const Position& pos, uint8_t d) {
    if (d == sixesRolled(pos)) return lastDieUsed(pos);
    if (d < sixesRolled(pos)) return d < sixesUsed(pos);
    return true;
}

uint8_t firstUnplayedDie(const Position& pos) {
    uint8_t last = sixesRolled(pos) < 2 ? sixesRolled(pos) : 2;
    for (uint8_t d = 0; d <= last; ++d)
        if (!dieUsed(pos, d)) return d;
    return None;
}

void clearPendingMove(Position& pos) { pos.pendingMove = PendingMove{None, None, None, None, None}; }

void resetGameRecord() {
    messageText[0] = '\0';
    game.core = CoreBlock{};
    game.core.flags = DefaultFlags;
    clearPendingMove();
    game.moveKind = None;
}
