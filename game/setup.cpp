// New game set-up: the line-ups, the Quick Start placement and the question before abandoning a game.
#include "game/setup.h"

#include "game/game_state.h"
#include "game/position.h"
#include "game/undo.h"
#include "platform/chrome/chrome.h"
#include "platform/window/clock.h"
#include "render/panel.h"
#include "turn/dice.h"

void requestNewGame(uint32_t command) {
    if (turnState() != GameOver) {
        // Side 0 still at its Quick Start placement has nothing to lose.
        const uint32_t limit = (1 + partnersBit()) * (flag(FlagQuickStart) ? 1 : 0);
        if (sideProgress(game, 0) > limit && !askYesNo(AskAbandonGame)) return;
    }
    newGame(command);
}

void newGame(uint32_t command) {
    setUpBoard(command);
    game.core.currentPlayer = 0;
    game.core.flags &= ~(TurnStateMask | DiceBitsMask);
    clearPendingMove();
    seedDice(GetTickCount());
    enableMenuButton(CmdUndo, false);
    setMessage(MsgTapRoll, true);  // colour 0 is always a person
    invalidateAll(true);
}

void setUpBoard(uint32_t command) {
    for (uint8_t p = 0; p < 4; ++p) {
        for (uint8_t t = 0; t < 4; ++t) {
            game.players[p].progress[t] = 0;
            game.players[p].slot[t] = 0;
            game.board[4 * p + t].square = None;
        }
    }
    const bool onePlayer = command == CmdOnePlayerGame;
    setFlag(FlagOnePlayer, onePlayer);
    setFlag(FlagPartners, !flag(FlagShortGames));
    const bool partners = flag(FlagPartners);

    game.players[0].kind = Human;
    const PlayerKind opponents = !partners ? Absent : onePlayer ? Computer : Human;
    game.players[1].kind = opponents;
    game.players[3].kind = opponents;
    game.players[2].kind = !partners && onePlayer ? Computer : Human;

    game.board[0] = BoardSlot{SquareYard, 16, 0xFFFF};

    if (!flag(FlagQuickStart)) return;
    clearPendingMove();
    static constexpr uint8_t order[4] = {0, 2, 1, 3};
    MoveEvents placed;
    for (uint8_t k = 0; k < (partners ? 4 : 2); ++k) {
        game.pendingMove.player = order[k];
        game.pendingMove.token = 0;
        walkMove(game, game.pendingMove, 6, placed);
    }
}
