// Computer move choice: rates every candidate for the dice left, keeps the best and counts the moves.
#include "ai/choice.h"

#include "game/game_state.h"
#include "game/rules.h"

BestMove bestMove{};
MoveScore moveScores[16]{};

namespace {

// The two rungs of the ladder that move two tokens together.
bool isPairScore(int16_t score) { return (score >= 140 && score <= 260) || (score > 1539 && score < 1661); }

// The first side token sharing the mover's square, in bit order, that is not the mover.
void pairPartner(uint8_t colour, uint8_t token, uint8_t& colour2, uint8_t& token2) {
    const uint8_t slot = game.players[colour].slot[token];
    colour2 = token2 = None;
    findTokenInSlot(slot, 0, sideMask(colour), colour2, token2);
    if (colour2 == colour && token2 == token) findTokenInSlot(slot, 1, sideMask(colour), colour2, token2);
}

}  // namespace

bool findRating(uint8_t colour, uint8_t token, uint8_t die, MoveScore& out) {
    const uint8_t me = game.core.currentPlayer;
    const bool partnerToken = flag(FlagPartners) && colour == partner(me);
    if ((colour != me && !partnerToken) || token >= 4) return false;
    const uint8_t i = static_cast<uint8_t>(token + (partnerToken ? 4 : 0));
    // Only the dice still to play were rated.
    if (!lastDieUsed() && die == lastDie()) out = moveScores[i];
    else if (die == 6 && sixesRolled() > sixesUsed()) out = moveScores[i + 8];
    else return false;
    return true;
}

void resetMoveScores() {
    for (MoveScore& m : moveScores) m.score = ScoreNotEvaluated;
}

void findMoves() {
    bestMove = BestMove{None, None, None, None, None, 0, 0, 0, ScoreNotEvaluated};
    bool yardSeen[2] = {false, false};
    const uint8_t me = game.core.currentPlayer;
    const uint8_t candidates = flag(FlagPartners) ? 8 : 4;
    TrackView track;
    viewTrack(me, track);

    for (uint8_t i = 0; i < candidates; ++i) {
        const uint8_t group = i >= 4 ? 1 : 0;
        const uint8_t colour = (me + 2 * group) % 4;
        const uint8_t token = i % 4;
        TokenSight sight{};
        for (uint8_t d = 0; d < 2; ++d) {
            MoveScore& rated = moveScores[i + 8 * d];
            const bool available = d == 0 ? !lastDieUsed() : sixesRolled() > sixesUsed();
            if (!available) {
                rated.score = ScoreNotEvaluated;
                continue;
            }
            evaluateMove(track, colour, token, d == 0 ? lastDie() : 6, rated, sight);
            if (rated.score < bestMove.bestScore) {
                bestMove.bestScore = rated.score;
                bestMove.player = colour;
                bestMove.token = token;
                bestMove.dieIndex = d == 1 ? sixesUsed() : sixesRolled();
                if (isPairScore(rated.score)) pairPartner(colour, token, bestMove.player2, bestMove.token2);
                else bestMove.player2 = bestMove.token2 = None;
            }
            if (rated.score < ScoreNotEvaluated) ++(d == 0 ? bestMove.countLast : bestMove.countSix);
            if (d == 1 && progressOf(colour, token) == 0) {
                // Any yard token of a colour brought out by a six is the same move.
                if (yardSeen[group]) --bestMove.countSix;
                yardSeen[group] = true;
            }
        }
    }
    bestMove.moveCount = static_cast<uint8_t>(bestMove.countLast + bestMove.countSix);

    if (game.players[me].kind == Computer || bestMove.moveCount == 1) {
        game.pendingMove = PendingMove{bestMove.dieIndex, bestMove.player, bestMove.token, bestMove.player2,
                                       bestMove.token2};
    }
}
