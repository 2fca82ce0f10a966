// Human move selection: the die, token and "Choose:" taps, and the kinds of move a shared square offers.
#include "turn/selection.h"

#include <cstdlib>

#include "ai/choice.h"
#include "ai/evaluate.h"
#include "game/game_state.h"
#include "game/position.h"
#include "game/track.h"
#include "render/dice_row.h"
#include "render/geometry.h"
#include "render/panel.h"
#include "render/tokens.h"
#include "turn/messages.h"

bool rollTapActive = false;

namespace {

// Kinds of move: bits 0-1 own tokens, bits 2-3 partner tokens.
enum MoveKind : uint8_t { KindOwn = 1, KindOwnPair = 3, KindPartner = 4, KindMixedPair = 5, KindPartnerPair = 12 };

bool inCurrentSide(uint8_t colour) {
    const uint8_t current = game.core.currentPlayer;
    return colour == current || (flag(FlagPartners) && colour == partner(current));
}

// Repeats the prompt with the movable tokens flashed, unless tips are off or the tap was a roll.
void showMissTip() {
    if (turnState() != PickToken || !flag(FlagShowTips) || rollTapActive) return;
    setMessage(promptMessageId(), false);
    drawMessagePanel();
    flashMovableTokens();
}

enum class DieTap : uint8_t { Selected, Missed, NoDie };

// Below the board: an unplayed die of the turn, a miss past the last die, or no die at x.
DieTap selectDie(int32_t x) {
    for (uint8_t i = 0; i < DiceInRow; ++i) {
        if (i > sixesRolled()) return DieTap::Missed;
        const int32_t left = dieLeft(i);
        if (x >= left && x <= left + DieWidth && !dieUsed(i)) {
            clearPendingMove();
            game.pendingMove.dieIndex = i;
            drawDiceRow();
            setTurnState(Playing);
            return DieTap::Selected;
        }
    }
    return DieTap::NoDie;
}

bool selectToken(uint8_t colour, int32_t x, int32_t y) {
    for (uint8_t k = 0; k < 4; ++k) {
        if (progressOf(colour, k) == ProgressHome) continue;
        int32_t px = 0, py = 0;
        tokenPoint(slotOf(colour, k).square, colour, k, px, py);
        if (std::abs(px - x) <= TokenHitRadius && std::abs(py - y) <= TokenHitRadius) {
            game.pendingMove.player = colour;
            game.pendingMove.token = k;
            setTurnState(Playing);
            return true;
        }
    }
    return false;
}

// Whether the first token of the slot within mask may move alone by v.
bool movesAlone(uint8_t slot, uint16_t mask, uint8_t v) {
    uint8_t colour = None, token = None;
    findTokenInSlot(slot, 0, mask, colour, token);
    if (colour == None) return false;
    MoveScore score{};
    evaluateMove(colour, token, v, score);
    return score.legal != 0;
}

// Whether the rules let the first token of the slot within maskA and the first other one within
// maskB move as a pair by the pending die.
bool pairMoves(uint8_t slot, uint16_t maskA, uint16_t maskB) {
    Move pair{game.pendingMove.dieIndex, None, None, None, None};
    findTokenInSlot(slot, 0, maskA, pair.player, pair.token);
    findTokenInSlot(slot, maskA == maskB ? 1 : 0, maskB, pair.player2, pair.token2);
    return pair.player != None && pair.player2 != None && moveAllowed(game, pair);
}

}  // namespace

void handleTokenTap(uint8_t colour, int32_t x, int32_t y) {
    const bool onDiceRow = y > game.boardSize + 1 && sixesRolled() > 0 && turnState() == PickToken;
    const DieTap die = onDiceRow ? selectDie(x) : DieTap::NoDie;
    if (die == DieTap::Selected) return;
    if (die == DieTap::NoDie) {
        if (selectToken(colour, x, y)) return;
        if (flag(FlagPartners) && selectToken(partner(colour), x, y)) return;
    }
    showMissTip();
}

void handleMoveKindTap(int32_t x, int32_t y) {
    if (y < game.boardSize) {
        setTurnState(PickToken);
    } else if (x >= ChooseLeft) {
        const int32_t i = (x - ChooseLeft) / ChoosePitch;
        if (i >= ChooseButtons || x > chooseLeft(i) + ChooseWidth || game.moveKindChoices[i] == None) return;
        game.moveKind = game.moveKindChoices[i];
        setTurnState(Playing);
    }
    clearDiceArea();
    clearMessageArea();
    drawDiceRow();
    drawMessagePanel();
}

uint8_t listMoveKinds(uint8_t v) {
    game.ownOnSquare = 0;
    game.partnerOnSquare = 0;
    for (uint8_t& choice : game.moveKindChoices) choice = None;
    const PendingMove& pending = game.pendingMove;
    if (progressOf(pending.player, pending.token) == 0) return 0;

    const uint8_t current = game.core.currentPlayer;
    const uint16_t ownMask = static_cast<uint16_t>(0xF << (4 * current));
    const uint16_t partnerMask = flag(FlagPartners) ? static_cast<uint16_t>(0xF << (4 * partner(current))) : 0;
    const uint8_t slot = game.players[pending.player].slot[pending.token];
    const uint16_t onSquare = game.board[slot].tokenMask;
    game.ownOnSquare = tokenCount(onSquare & ownMask);
    game.partnerOnSquare = tokenCount(onSquare & partnerMask);
    if (game.ownOnSquare + game.partnerOnSquare < 2) return 0;

    uint8_t k = 0;
    auto offer = [&k](bool possible, uint8_t kind) {
        if (possible) game.moveKindChoices[k++] = kind;
    };
    offer(movesAlone(slot, ownMask, v), KindOwn);
    offer(movesAlone(slot, partnerMask, v), KindPartner);
    offer(pairMoves(slot, ownMask, ownMask), KindOwnPair);
    offer(pairMoves(slot, partnerMask, partnerMask), KindPartnerPair);
    offer(pairMoves(slot, ownMask, partnerMask), KindMixedPair);
    return k;
}

uint8_t offerMoveKinds(uint8_t v) {
    const uint8_t k = listMoveKinds(v);
    if (k == 1 && game.moveKindChoices[0] != KindOwn) {
        game.moveKind = game.moveKindChoices[0];
        applyMoveKind();
    }
    return k;
}

void applyMoveKind() {
    PendingMove& pending = game.pendingMove;
    const uint8_t slot = game.players[pending.player].slot[pending.token];
    const uint16_t mask = sideMask(pending.player);
    const uint8_t kind = game.moveKind;
    const uint8_t own = game.core.currentPlayer;
    const uint8_t other = partner(own);
    pending.player2 = None;
    pending.token2 = None;
    bool first = false;
    for (uint8_t skip = 0; skip < 16; ++skip) {
        uint8_t colour = None, token = None;
        findTokenInSlot(slot, skip, mask, colour, token);
        if (colour == None) return;
        const bool single = (kind == KindOwn && colour == own) || (kind == KindPartner && colour == other);
        const bool samePair = (kind == KindOwnPair && colour == own) || (kind == KindPartnerPair && colour == other);
        if (single || ((samePair || kind == KindMixedPair) && !first)) {
            pending.player = colour;
            pending.token = token;
            first = true;
            if (single) return;
        } else if (samePair || (kind == KindMixedPair && colour == partner(pending.player))) {
            pending.player2 = colour;
            pending.token2 = token;
            return;
        }
    }
}

void dropForeignSelection() {
    PendingMove& pending = game.pendingMove;
    if (pending.token == None || inCurrentSide(pending.player)) return;
    pending.player = None;
    pending.token = None;
    pending.player2 = None;
    pending.token2 = None;
}

void restoreSelection() {
    dropForeignSelection();
    if (turnState() == PickMove) {
        // Fewer than two kinds leave nothing to choose: the token is picked again.
        const bool choosing = game.pendingMove.token != None && offerMoveKinds(dieValue(game.pendingMove.dieIndex)) >= 2;
        game.moveKind = None;
        if (!choosing) setTurnState(PickToken);
    }
    // The ratings the flash and the keyboard's ring read are not saved: they are made again.
    if (turnState() == PickToken) rateTurnMoves();
    // A pair is only ever named on its way to being played, so neither a saved one nor a kind chosen
    // by itself just above is a choice of the player's.
    game.pendingMove.player2 = None;
    game.pendingMove.token2 = None;
}

void dieTapPoint(uint8_t i, int32_t& x, int32_t& y) {
    x = dieLeft(i) + DieWidth / 2;
    y = game.boardSize + RowMiddle;
}

void choiceTapPoint(uint8_t i, int32_t& x, int32_t& y) {
    x = chooseLeft(i) + ChooseWidth / 2;
    y = game.boardSize + RowMiddle;
}
