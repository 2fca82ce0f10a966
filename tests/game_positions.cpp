// Building test positions: an empty board with chosen flags, tokens placed by progress or square, dice.
#include "tests/game_positions.h"

#include "game/game_state.h"
#include "game/moves.h"

void startPosition(uint32_t flags) {
    game = GameState{};
    game.core.flags = flags;
    game.boardSize = 240;
    for (PlayerRecord& player : game.players) player.kind = Human;
    for (BoardSlot& slot : game.board) slot.square = None;
    game.board[0] = BoardSlot{SquareYard, 16, 0xFFFF};
    clearPendingMove();
    game.moveKind = None;
}

void place(uint8_t colour, uint8_t token, uint8_t progress) {
    moveToken(colour, token, progress - progressOf(colour, token));
}

uint8_t progressOn(uint8_t colour, uint8_t square) {
    return static_cast<uint8_t>((square + 44 - 11 * colour) % 44);
}

void placeOn(uint8_t colour, uint8_t token, uint8_t square) { place(colour, token, progressOn(colour, square)); }

void setDice(uint8_t last, uint8_t sixes, uint8_t sixesPlayed, bool lastPlayed) {
    setLastDie(last);
    setSixesRolled(sixes);
    setSixesUsed(sixesPlayed);
    setLastDieUsed(lastPlayed);
}

uint32_t moveOf(uint8_t colour, uint8_t token, uint8_t colour2) {
    return packMove(PendingMove{None, colour, token, colour2, None});
}
