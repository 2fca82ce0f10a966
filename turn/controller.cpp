// The turn controller: rolls, moves, hand-overs and the end of a game, driven by taps real and posted.
#include "turn/controller.h"

#include "ai/choice.h"
#include "ai/evaluate.h"
#include "ai/hard.h"
#include "game/game_state.h"
#include "game/moves.h"
#include "game/rules.h"
#include "game/undo.h"
#include "persist/savefile.h"
#include "platform/chrome/chrome.h"
#include "platform/system/sound.h"
#include "platform/window/clock.h"
#include "platform/window/messages.h"
#include "render/board.h"
#include "render/dice_row.h"
#include "render/geometry.h"
#include "render/layout.h"
#include "render/panel.h"
#include "render/tokens.h"
#include "turn/dice.h"
#include "turn/messages.h"
#include "turn/selection.h"

uint32_t movesPlayed = 0;

namespace {

constexpr int32_t RefusalPauseMs = 550;

uint8_t kindOf(uint8_t colour) { return game.players[colour].kind; }
uint8_t currentKind() { return kindOf(game.core.currentPlayer); }

bool inRollArea(int32_t x, int32_t y) {
    return x >= game.boardSize - RollButtonInset && y >= game.boardSize + 1;
}

// Whose roll it is: a person is asked to tap, the computer's roll is announced.
int rollMessageId() { return currentKind() == Computer ? MsgComputerRolling : MsgTapRoll; }

bool allDicePlayed() { return lastDieUsed() && sixesRolled() <= sixesUsed(); }

void showPrompt() {
    setTurnState(PickToken);
    setMessage(promptMessageId(), false);
    drawMessagePanel();
}

// A move the rules refuse: its reason for a while, the movable tokens, then the prompt again.
void refuseMove(int16_t score) {
    const bool reasoned = score > ScoreNotEvaluated;
    if (reasoned) {
        setMessage(score - RefusalToMessage, true);
        drawMessagePanel();
    }
    if (flag(FlagShowTips) && !rollTapActive) flashMovableTokens();
    if (reasoned) waitMs(RefusalPauseMs);
    showPrompt();
}

// The rules' verdict on the pending single token moving alone by v. Asked only after rateTurnMoves on
// the same board and dice, which has most often rated that very move already.
MoveScore judgePendingMove(uint8_t v) {
    MoveScore verdict{};
    if (!findRating(game.pendingMove.player, game.pendingMove.token, v, verdict))
        evaluateMove(game.pendingMove.player, game.pendingMove.token, v, verdict);
    return verdict;
}

void playPendingMove() {
    const uint8_t v = dieValue(game.pendingMove.dieIndex);
    const uint8_t mover = game.pendingMove.player;
    playMove(game.pendingMove, v);
    ++movesPlayed;
    markDiePlayed(game, v);
    // After a restart mid-turn there is no snapshot yet: the button stays off until the next roll.
    if (kindOf(mover) == Human && undoSnapshotTaken()) enableMenuButton(CmdUndo, true);
    game.moveKind = None;
    drawDiceRow();
}

void finishGame() {
    const bool won = announceResult();
    if (flag(FlagPlaySounds)) PlaySound("WVO");
    enableMenuButton(CmdUndo, false);
    ++game.core.gamesPlayed;
    if (flag(FlagOnePlayer)) ++(won ? game.core.gamesWon : game.core.gamesLost);
    setTurnState(GameOver);
    clearPendingMove();
    drawMessagePanel();
    drawWinnerMarker();
}

void prepareRoll() {
    drawMessagePanel();
    if (currentKind() == Human) {
        drawRollButton();
        // Keys wait in the queue as taps do, and are lost with them.
        Msg discarded{};
        while (PeekMessageRemove(discarded, WM_MOUSEFIRST, WM_PENLAST) || PeekMessageRemove(discarded, WM_KEYDOWN, WM_KEYDOWN)) {
        }
        setTurnState(AwaitRoll);
    } else if (currentKind() == Computer) {
        setTurnState(Rolling);
        int32_t x = 0, y = 0;
        rollTapPoint(x, y);
        postTap(x, y);
    }
}

void endTurn() {
    drawTurnMarker(true);
    if (sideHasWon(game, game.core.currentPlayer)) {
        finishGame();
        return;
    }
    passTurn(game);
    drawTurnMarker(false);
    setMessage(rollMessageId(), false);
    game.moveKind = None;
    prepareRoll();
}

void playTurnMoves() {
    while (!allDicePlayed()) {
        rateTurnMoves();
        pendChosenMove();
        // Hard keeps the ratings for the flash and the count, and picks its own move.
        if (currentKind() == Computer && difficulty() == Difficulty::Hard && bestMove.moveCount > 0)
            chooseHardMove(game, game.pendingMove);
        dropForeignSelection();
        PendingMove& pending = game.pendingMove;
        const uint8_t moveCount = bestMove.moveCount;
        const uint8_t v = dieValue(pending.dieIndex);

        if (pending.token != None) {
            const MoveScore verdict = judgePendingMove(v);
            if (verdict.score >= ScoreNotEvaluated && offerMoveKinds(v) == 0) {
                refuseMove(verdict.score);
                return;
            }
        }
        if (moveCount > 1 && pending.token != None && progressOf(pending.player, pending.token) != 0 &&
            kindOf(pending.player) == Human && slotOf(pending.player, pending.token).count > 1) {
            if (game.moveKind == None && offerMoveKinds(v) > 1) {
                setTurnState(PickMove);
                drawChoosePanel();
                return;
            }
            if (game.moveKind != None) applyMoveKind();
        }
        if (moveCount > 1 && pending.token == None) {
            showPrompt();
            return;
        }
        if (moveCount == 0) {
            setSixesUsed(sixesRolled());
            setLastDieUsed(true);
            drawDiceRow();
            break;
        }
        // A token moving alone must be allowed to: neither a tap nor a restored record may force it.
        if (pending.player2 == None) {
            const MoveScore verdict = judgePendingMove(v);
            if (!verdict.legal) {
                refuseMove(verdict.score);
                return;
            }
        }
        playPendingMove();
    }
    if (lastDieUsed() && sixesUsed() == sixesRolled()) endTurn();
}

}  // namespace

void resetTurnRecord() {
    resetGameRecord();
    resetMoveScores();
}

void handleTap(int32_t x, int32_t y) {
    drawSurface = GetDC();
    const HGDIOBJ previousFont = SelectObject(drawSurface, boardFont);
    playTap(x, y);
    saveState();

    SelectObject(drawSurface, previousFont);
    ReleaseDC(drawSurface);
    drawSurface = nullptr;
}

void playTap(int32_t x, int32_t y) {
    if (turnState() == AwaitRoll && inRollArea(x, y)) setTurnState(Rolling);
    if (turnState() == Rolling && sixesRolled() == 0 && currentKind() == Human) {
        enableMenuButton(CmdUndo, false);
        clearDiceArea();
    }
    if (turnState() == Rolling) {
        const RollOutcome outcome = rollDie();
        if (outcome == RollOutcome::RollAgain) prepareRoll();
        if (outcome == RollOutcome::TurnLost) endTurn();
        rollTapActive = true;
    }
    if (turnState() == Playing) playTurnMoves();
    if (turnState() == PickToken) handleTokenTap(game.core.currentPlayer, x, y);
    if (turnState() == PickMove) handleMoveKindTap(x, y);
    rollTapActive = false;
    if (turnState() == Playing) playTurnMoves();
}

void postTap(int32_t x, int32_t y) {
    PostMessage(WM_LBUTTONDOWN, 0, makePointParam(x, y));
    PostMessage(WM_LBUTTONUP, 0, makePointParam(x, y));
}

void rollTapPoint(int32_t& x, int32_t& y) {
    x = game.boardSize - RollTapInset;
    y = game.boardSize + 2;
}

void restoreMessage() {
    switch (turnState()) {
    case AwaitRoll:
    case Rolling:
        // After a six the same colour rolls again, as the six's own message says.
        if (sixesRolled() > 0)
            setMessage(currentKind() == Computer ? MsgSixComputer : MsgSixHuman, false);
        else
            setMessage(rollMessageId(), false);
        break;
    case GameOver:
        announceResult();
        break;
    default:
        // A token, a die or a kind of move is to be picked; the "Choose:" panel paints over the prompt.
        setMessage(promptMessageId(), false);
        break;
    }
}
