// The Hard computer: every way to play the turn's dice, the opponents' replies to each, and a tuned judgement.
#include "ai/hard.h"

#include <cstring>
#include <iterator>

#include "ai/hard_weights.h"
#include "ai/move_list.h"
#include "game/game_state.h"
#include "game/position.h"
#include "game/rules.h"
#include "game/track.h"

static_assert(std::size(TunedHardWeights) == HardFeatureCount);
HardWeights hardWeights = [] {
    HardWeights tuned{};
    for (int k = 0; k < HardFeatureCount; ++k) tuned.weight[k] = TunedHardWeights[k];
    return tuned;
}();

namespace {

// ---- Judgement ------------------------------------------------------------------------------------

// The chances of the next side's turn, in 216ths: a final roll alone, after one six, after two.
constexpr int32_t ChanceAlone = 36, ChanceAfterSix = 6, ChanceAfterTwoSixes = 1;
constexpr int32_t Certain = 216;
constexpr int64_t WinValue = int64_t{1} << 40;
constexpr uint8_t LastTrackProgress = TrackLength - 1;
constexpr uint32_t MaxReach = 17;  // two sixes and a 5

uint8_t sideOf(const Position& pos, uint8_t colour) { return flag(pos, FlagPartners) ? colour % 2 : colour / 2; }
bool inPlay(const Position& pos, uint8_t colour) { return flag(pos, FlagPartners) || colour % 2 == 0; }
bool onTrack(uint8_t progress) { return progress >= 1 && progress <= LastTrackProgress; }

// The chance, in 216ths, that the next side's dice reach a token from `behind` (bit d: a token of
// theirs d squares behind) or `fromYard` (bit d: their start square d squares behind, a token
// waiting in that yard), the dice of one turn played by one token.
int32_t hitChance(uint32_t behind, uint32_t fromYard) {
    const uint32_t six = 1u << 6, twelve = 1u << 12;
    int32_t chance = 0;
    for (uint32_t f = 1; f <= 5; ++f) {
        const uint32_t one = 1u << f;
        if (behind & one) chance += ChanceAlone;
        if ((behind & (one | six | one << 6)) || (fromYard & one)) chance += ChanceAfterSix;
        if ((behind & (one | six | twelve | one << 6 | one << 12)) || (fromYard & (one | six | one << 6)))
            chance += ChanceAfterTwoSixes;
    }
    return chance;
}

struct Token {
    uint8_t colour, progress, square, side;
};

// The chance, in 216ths, that the other side's next turn sends `me` home: a lone token on an unsafe
// square of the track, with their tokens or yards behind it.
int32_t exposure(const Token& me, const Token (&tokens)[16], int count) {
    uint32_t behind = 0, fromYard = 0;
    for (int j = 0; j < count; ++j) {
        const Token& foe = tokens[j];
        if (foe.side == me.side) continue;
        if (onTrack(foe.progress)) {
            const uint32_t d = (me.square + TrackLength - foe.square) % TrackLength;
            if (d <= MaxReach && foe.progress + d <= LastTrackProgress) behind |= 1u << d;
        } else if (foe.progress == 0) {
            const uint32_t d = (me.square + TrackLength - squareOf(foe.colour, 1)) % TrackLength;
            if (d <= MaxReach) fromYard |= 1u << d;
        }
    }
    return hitChance(behind, fromYard);
}

// The position's worth to `side` with `mover`'s side to move next: weighted features, side minus foe.
int64_t judge(const Position& pos, uint8_t side, uint8_t mover) {
    Token tokens[16];
    int count = 0;
    uint8_t onSquare[2][TrackLength + 1] = {};
    for (uint8_t c = 0; c < 4; ++c) {
        if (!inPlay(pos, c)) continue;
        for (uint8_t t = 0; t < 4; ++t) {
            const uint8_t p = progressOf(pos, c, t);
            const Token token{c, p, squareOf(c, p), sideOf(pos, c)};
            tokens[count++] = token;
            if (onTrack(p)) ++onSquare[token.side][token.square];
        }
    }
    int64_t features[2][HardFeatureCount] = {};
    for (int i = 0; i < count; ++i) {
        const Token& me = tokens[i];
        int64_t* f = features[me.side];
        f[FeatureProgress] += me.progress;
        f[FeatureOut] += me.progress >= 1;
        f[FeatureInColumn] += me.progress >= TrackLength;
        f[FeatureHome] += me.progress == ProgressHome;
        if (!onTrack(me.progress)) continue;
        const bool paired = onSquare[me.side][me.square] >= 2, safe = isSafeSquare(me.square);
        if (paired && !safe) f[FeatureBlocks] += 1;
        if (paired || safe) continue;
        const int64_t chance = exposure(me, tokens, count);
        if (sideOf(pos, mover) == me.side) {
            f[FeatureRunnerExposure] += chance * me.progress;
        } else {
            f[FeatureExposedSteps] += chance * me.progress;
            f[FeatureExposed] += chance;
        }
    }
    const uint8_t own = sideOf(pos, side);
    int64_t value = 0;
    for (int k = 0; k < HardFeatureCount; ++k) {
        // Counts are certain; exposures come in 216ths already.
        const bool byChance = k == FeatureExposedSteps || k == FeatureExposed || k == FeatureRunnerExposure;
        value += hardWeights.weight[k] * (byChance ? 1 : Certain) * (features[own][k] - features[1 - own][k]);
    }
    return value;
}

// ---- The search -----------------------------------------------------------------------------------

// The distinct positions the turn can end in, with the first move that leads to each.
constexpr int MaxLeaves = 2048;
constexpr int TableSize = 4096;  // a power of two, twice the leaves
// Beyond this many ends, each is judged as it stands rather than after every reply.
constexpr int ReplyLeafLimit = 400;

struct Leaf {
    Position position;
    uint8_t firstMove;
};

struct Search {
    MoveList firstMoves;
    Leaf leaves[MaxLeaves];
    int leafCount;
    uint16_t table[TableSize];  // leaf index + 1, 0 empty
};
Search search;

bool allDicePlayed(const Position& pos) { return lastDieUsed(pos) && sixesRolled(pos) <= sixesUsed(pos); }

// A listed move played on a copy; the list holds only moves the rules allow.
Position played(const Position& pos, const Move& move) {
    Position next = pos;
    MoveEvents events;
    const uint8_t die = dieValue(next, move.dieIndex);
    walkMove(next, move, die, events);
    markDiePlayed(next, die);
    return next;
}

uint32_t positionHash(const Position& pos) {
    uint32_t h = 2166136261u;
    for (const PlayerRecord& p : pos.players)
        for (const uint8_t progress : p.progress) h = (h ^ progress) * 16777619u;
    return h;
}

bool sameTokens(const Position& a, const Position& b) {
    for (int c = 0; c < 4; ++c)
        if (std::memcmp(a.players[c].progress, b.players[c].progress, sizeof a.players[c].progress) != 0) return false;
    return true;
}

// Keeps a turn's end reached by firstMove, once per distinct position.
void addLeaf(const Position& pos, uint8_t firstMove) {
    uint32_t at = positionHash(pos) & (TableSize - 1);
    for (; search.table[at] != 0; at = (at + 1) & (TableSize - 1))
        if (sameTokens(search.leaves[search.table[at] - 1].position, pos)) return;
    if (search.leafCount == MaxLeaves) return;
    search.leaves[search.leafCount] = Leaf{pos, firstMove};
    search.table[at] = static_cast<uint16_t>(++search.leafCount);
}

// Every order of the dice left and every move for each, until the dice are played or nothing moves.
void walkTurn(const Position& pos, uint8_t firstMove) {
    MoveList moves;
    listMoves(pos, moves);
    if (moves.count == 0 || sideHasWon(pos, pos.core.currentPlayer)) {
        addLeaf(pos, firstMove);
        return;
    }
    for (uint8_t i = 0; i < moves.count; ++i) {
        const Position next = played(pos, moves.moves[i].move);
        if (allDicePlayed(next)) addLeaf(next, firstMove);
        else walkTurn(next, firstMove);
    }
}

// The next side's turn with one die of `face`: a six alone is played alone, its follow-up unseen.
Position withOneDie(const Position& pos, uint8_t face) {
    Position next = pos;
    if (face == 6) {
        setRolledDice(next, 1, 1);
        setLastDieUsed(next, true);
    } else {
        setRolledDice(next, 0, face);
    }
    return next;
}

// A turn's end as the next side's single die of each face would leave it, that side answering with
// the move this judgement likes least; with no replies, as it stands.
int64_t leafValue(const Position& end, uint8_t side, bool replies) {
    if (sideHasWon(end, side)) return WinValue;
    Position next = end;
    passTurn(next);
    const uint8_t foe = next.core.currentPlayer;
    if (!replies) return judge(end, side, foe);
    int64_t total = 0;
    for (uint8_t face = 1; face <= 6; ++face) {
        const Position rolled = withOneDie(next, face);
        // After a six the same side rolls again.
        const uint8_t after = face == 6 ? foe : side;
        MoveList moves;
        listMoves(rolled, moves);
        int64_t worst = moves.count == 0 ? judge(rolled, side, after) : WinValue;
        for (uint8_t i = 0; i < moves.count; ++i) {
            const Position answered = played(rolled, moves.moves[i].move);
            const int64_t value = sideHasWon(answered, foe) ? -WinValue : judge(answered, side, after);
            if (value < worst) worst = value;
        }
        total += worst;
    }
    return total;
}

}  // namespace

bool chooseHardMove(const Position& pos, Move& out) {
    Position root = pos;
    // Each walk in one step: the search needs where tokens end, not the squares between.
    setFlag(root, FlagAnimateTokens, false);
    const uint8_t side = root.core.currentPlayer;
    listMoves(root, search.firstMoves);
    if (search.firstMoves.count == 0) return false;
    search.leafCount = 0;
    std::memset(search.table, 0, sizeof search.table);
    for (uint8_t i = 0; i < search.firstMoves.count; ++i) {
        const Position next = played(root, search.firstMoves.moves[i].move);
        if (allDicePlayed(next)) addLeaf(next, i);
        else walkTurn(next, i);
    }

    const bool replies = search.leafCount <= ReplyLeafLimit;
    int64_t best = 0;
    uint8_t chosen = None;
    for (int i = 0; i < search.leafCount; ++i) {
        const int64_t value = leafValue(search.leaves[i].position, side, replies);
        if (chosen == None || value > best) {
            best = value;
            chosen = search.leaves[i].firstMove;
        }
    }
    out = search.firstMoves.moves[chosen].move;
    return true;
}
