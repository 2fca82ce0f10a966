// Computer move choice: rates every candidate for the dice left, keeps the best and counts the moves.
#include "ai/choice.h"

#include "game/game_state.h"
#include "game/rules.h"

BestMove bestMove{};
MoveScore moveScores[16]{};

bool isPairScore(int16_t score) { return (score >= 140 && score <= 260) || (score > 1539 && score < 1661); }

void pairPartner(const Position& pos, uint8_t colour, uint8_t token, uint8_t& colour2, uint8_t& token2) {
    const uint8_t slot = pos.players[colour].slot[token];
    colour2 = token2 = None;
    findTokenInSlot(pos, slot, 0, sideMask(pos, colour), colour2, token2);
    if (colour2 == colour && token2 == token) findTokenInSlot(pos, slot, 1, sideMask(pos, colour), colour2, token2);
}

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

void rateMoves(const Position& pos, Ladder ladder, MoveScore (&scores)[16], BestMove& best) {
    best = BestMove{None, None, None, None, None, 0, 0, 0, ScoreNotEvaluated};
    bool yardSeen[2] = {false, false};
    const uint8_t me = pos.core.currentPlayer;
    const uint8_t candidates = flag(pos, FlagPartners) ? 8 : 4;
    TrackView track;
    viewTrack(pos, me, track);
    const Rating rating{pos, ladder, track, unplayedDiceTotal(pos)};
    // Read once: a rating written through `scores` might, for all the compiler knows, change pos.
    const bool lastLeft = !lastDieUsed(pos), sixLeft = sixesRolled(pos) > sixesUsed(pos);
    const uint8_t last = lastDie(pos), lastIndex = sixesRolled(pos), sixIndex = sixesUsed(pos);

    for (uint8_t i = 0; i < candidates; ++i) {
        const uint8_t group = i >= 4 ? 1 : 0;
        const uint8_t colour = (me + 2 * group) % 4;
        const uint8_t token = i % 4;
        TokenSight sight;  // its neighbourhood is filled in by the first rating that needs it
        sight.surveyed = false;
        for (uint8_t d = 0; d < 2; ++d) {
            MoveScore& rated = scores[i + 8 * d];
            if (!(d == 0 ? lastLeft : sixLeft)) {
                rated.score = ScoreNotEvaluated;
                continue;
            }
            evaluateMove(rating, colour, token, d == 0 ? last : 6, rated, sight);
            if (rated.score < best.bestScore) {
                best.bestScore = rated.score;
                best.player = colour;
                best.token = token;
                best.dieIndex = d == 1 ? sixIndex : lastIndex;
                if (isPairScore(rated.score)) pairPartner(pos, colour, token, best.player2, best.token2);
                else best.player2 = best.token2 = None;
            }
            if (rated.score < ScoreNotEvaluated) ++(d == 0 ? best.countLast : best.countSix);
            if (d == 1 && progressOf(pos, colour, token) == 0) {
                // Any yard token of a colour brought out by a six is the same move.
                if (yardSeen[group]) --best.countSix;
                yardSeen[group] = true;
            }
        }
    }
    best.moveCount = static_cast<uint8_t>(best.countLast + best.countSix);
}

void rateTurnMoves() { rateMoves(game, gameLadder(game), moveScores, bestMove); }

void pendChosenMove() {
    const uint8_t me = game.core.currentPlayer;
    if (game.players[me].kind == Computer || bestMove.moveCount == 1) {
        game.pendingMove = PendingMove{bestMove.dieIndex, bestMove.player, bestMove.token, bestMove.player2,
                                       bestMove.token2};
    }
}
