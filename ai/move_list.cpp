// Listing a side's moves: the ladder's ratings at each difficulty, then the pairs it never rates.
#include "ai/move_list.h"

#include "ai/choice.h"

namespace {

// Candidates as rateMoves orders them: the side's own colour, then its partner's.
struct Candidate {
    uint8_t colour, token;
};
Candidate candidate(const Position& pos, uint8_t i) {
    return Candidate{static_cast<uint8_t>((pos.core.currentPlayer + 2 * (i / 4)) % 4), static_cast<uint8_t>(i % 4)};
}

// Moves that leave the same position up to which token moved: the same die, colours and progress.
bool sameMove(const Position& pos, const Move& a, const Move& b) {
    const auto place = [&pos](uint8_t colour, uint8_t token) {
        return colour == None ? 0xFFFFu : (colour << 8 | progressOf(pos, colour, token));
    };
    const auto key = [&](const Move& m) {
        const uint32_t first = place(m.player, m.token), second = place(m.player2, m.token2);
        return first < second ? first << 16 | second : second << 16 | first;
    };
    return dieValue(pos, a.dieIndex) == dieValue(pos, b.dieIndex) && key(a) == key(b);
}

// Adds a move, or folds it into the listed one it equals, keeping the lower rating of each ladder.
void add(const Position& pos, MoveList& out, const Move& move, Ladder ladder, int16_t rating) {
    ListedMove* listed = nullptr;
    for (uint8_t k = 0; k < out.count && listed == nullptr; ++k)
        if (sameMove(pos, out.moves[k].move, move)) listed = &out.moves[k];
    if (listed == nullptr) {
        if (out.count == MoveListCapacity) return;
        listed = &out.moves[out.count++];
        *listed = ListedMove{move, {ScoreNotEvaluated, ScoreNotEvaluated}};
    }
    if (ladder < LadderCount && rating < listed->rating[ladder]) listed->rating[ladder] = rating;
}

uint8_t dieIndexOf(const Position& pos, uint8_t d) { return d == 1 ? sixesUsed(pos) : sixesRolled(pos); }

// The moves the ladders rate: each candidate's single or pair for each die, as rateMoves would make it.
void addRatedMoves(const Position& pos, MoveList& out, uint8_t candidates) {
    MoveScore scores[LadderCount][16];
    BestMove best{};
    for (uint8_t l = 0; l < LadderCount; ++l) rateMoves(pos, static_cast<Ladder>(l), scores[l], best);
    for (uint8_t i = 0; i < candidates; ++i) {
        const Candidate c = candidate(pos, i);
        for (uint8_t d = 0; d < 2; ++d) {
            const Move single{dieIndexOf(pos, d), c.colour, c.token, None, None};
            for (uint8_t l = 0; l < LadderCount; ++l) {
                const MoveScore& rated = scores[l][i + 8 * d];
                if (rated.score >= ScoreNotEvaluated) continue;
                Move move = single;
                if (isPairScore(rated.score)) pairPartner(pos, c.colour, c.token, move.player2, move.token2);
                else if (!rated.legal) continue;
                add(pos, out, move, static_cast<Ladder>(l), rated.score);
            }
            // A legal single both ladders rate as a pair is a move all the same.
            if (scores[0][i + 8 * d].legal) add(pos, out, single, LadderCount, ScoreNotEvaluated);
        }
    }
}

// The pairs no ladder chose: any two of the side's tokens sharing a square.
void addPairs(const Position& pos, MoveList& out, uint8_t candidates) {
    for (uint8_t d = 0; d < 2; ++d) {
        const bool available = d == 0 ? !lastDieUsed(pos) : sixesRolled(pos) > sixesUsed(pos);
        if (!available) continue;
        for (uint8_t i = 0; i < candidates; ++i) {
            const Candidate a = candidate(pos, i);
            for (uint8_t j = static_cast<uint8_t>(i + 1); j < candidates; ++j) {
                const Candidate b = candidate(pos, j);
                const Move pair{dieIndexOf(pos, d), a.colour, a.token, b.colour, b.token};
                if (moveAllowed(pos, pair)) add(pos, out, pair, LadderCount, ScoreNotEvaluated);
            }
        }
    }
}

}  // namespace

void listMoves(const Position& pos, MoveList& out) {
    out.count = 0;
    const uint8_t candidates = flag(pos, FlagPartners) ? 8 : 4;
    addRatedMoves(pos, out, candidates);
    addPairs(pos, out, candidates);
}
