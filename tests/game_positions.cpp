// Building test positions: an empty board with chosen flags, tokens placed by progress or square, dice.
#include "tests/game_positions.h"

#include "game/game_state.h"
#include "ai/choice.h"
#include "game/moves.h"
#include "game/track.h"

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
    moveToken(game, colour, token, progress - progressOf(colour, token));
}

void arrange(uint32_t flags, const std::vector<Placed>& tokens) {
    startPosition(flags);
    for (const Placed& t : tokens) place(t.colour, t.token, t.progress);
}

std::vector<Placed> pairOn(uint8_t colour, uint8_t square, std::vector<Placed> others) {
    others.push_back({colour, 0, progressOn(colour, square)});
    others.push_back({colour, 1, progressOn(colour, square)});
    return others;
}

uint8_t progressOn(uint8_t colour, uint8_t square) {
    return static_cast<uint8_t>((square + 44 - 11 * colour) % 44);
}

void putOnSquare(uint8_t colour, uint8_t token, uint8_t square) {
    const uint16_t bit = static_cast<uint16_t>(1u << (4 * colour + token));
    BoardSlot& from = slotOf(colour, token);
    if (from.count == 1) {
        from.square = None;
    } else {
        --from.count;
        from.tokenMask = static_cast<uint16_t>(from.tokenMask & ~bit);
    }
    uint8_t target = None;
    for (uint8_t i = 0; i < 16 && target == None; ++i)
        if (game.board[i].square == square) target = i;
    if (target != None) {
        ++game.board[target].count;
        game.board[target].tokenMask = static_cast<uint16_t>(game.board[target].tokenMask | bit);
    } else {
        for (uint8_t i = 0; i < 16 && target == None; ++i)
            if (game.board[i].square == None) target = i;
        game.board[target] = BoardSlot{square, 1, bit};
    }
    game.players[colour].slot[token] = target;
}

void setDice(uint8_t last, uint8_t sixes, uint8_t sixesPlayed, bool lastPlayed) {
    setLastDie(last);
    setSixesRolled(sixes);
    setSixesUsed(sixesPlayed);
    setLastDieUsed(lastPlayed);
}

void setUpPosition(bool partners) {
    startPosition(DefaultFlags | FlagOnePlayer | (partners ? FlagPartners : 0));
    const uint8_t other = partners ? Computer : Absent;
    const uint8_t kinds[4] = {Human, other, partners ? uint8_t(Human) : uint8_t(Computer), other};
    for (uint8_t colour = 0; colour < 4; ++colour) game.players[colour].kind = kinds[colour];
}

void placeToken(uint8_t colour, uint8_t token, uint8_t progress) {
    putOnSquare(colour, token, squareOf(colour, progress));
    game.players[colour].progress[token] = progress;
}

void setTurn(TurnState state, uint8_t last, uint8_t sixes, uint8_t sixesPlayed, bool lastPlayed) {
    setTurnState(state);
    setDice(last, sixes, sixesPlayed, lastPlayed);
}

int playComputerTurn(uint8_t sixes, uint8_t last, bool display, void (*afterMove)()) {
    setDice(last, sixes);
    int moves = 0;
    while (!(lastDieUsed() && sixesUsed() >= sixesRolled())) {
        rateTurnMoves();
        pendChosenMove();
        if (bestMove.moveCount == 0) break;
        const Move move = game.pendingMove;
        const uint8_t value = dieValue(move.dieIndex);
        if (display) {
            playMove(move, value);
        } else {
            MoveEvents events;
            walkMove(game, move, value, events);
        }
        markDiePlayed(game, value);
        ++moves;
        if (afterMove) afterMove();
    }
    return moves;
}

int playComputerGame(uint32_t seed, bool display, int maxTurns, void (*afterMove)()) {
    uint32_t state = seed;
    auto roll = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<uint8_t>((state >> 16) % 6 + 1);
    };
    for (PlayerRecord& player : game.players)
        if (player.kind != Absent) player.kind = Computer;
    for (int turn = 1; turn <= maxTurns; ++turn) {
        uint8_t sixes = 0, last = roll();
        while (last == 6 && sixes < 2) {
            ++sixes;
            last = roll();
        }
        if (last != 6) playComputerTurn(sixes, last, display, afterMove);  // a third six loses the turn
        if (sideHasWon(game, game.core.currentPlayer)) return turn;
        do game.core.currentPlayer = (game.core.currentPlayer + 1) % 4;
        while (game.players[game.core.currentPlayer].kind == Absent);
    }
    return maxTurns;
}
