// The Hard computer: every way to play the turn's dice, the opponents' replies to each, and a tuned judgement.
#include "ai/hard.h"

#include <cstring>

#include "ai/evaluate.h"
#include "ai/hard_weights.h"
#include "game/game_state.h"
#include "game/moves.h"
#include "game/rules.h"
#include "game/track.h"

HardWeights hardWeights = TunedHardWeights;

namespace {

// ---- Moves ----------------------------------------------------------------------------------------

struct HardMove {
    uint8_t die;
    uint8_t colour, token;
    uint8_t colour2, token2;  // None for a token moving alone
};

// Every token of a side by every die kind, alone and as a pair: a generous bound.
constexpr int MaxMoves = 48;

bool isPairScore(int16_t score) { return (score >= 140 && score <= 260) || (score > 1539 && score < 1661); }

// The side's tokens the rules let move with the dice left, one move per distinct result: tokens of
// a colour on one square (or in one yard) move alike, so only the first is offered.
int listMoves(HardMove (&moves)[MaxMoves]) {
    const uint8_t me = game.core.currentPlayer;
    TrackView track;
    viewTrack(me, track);
    int count = 0;
    for (uint8_t group = 0; group < 1 + partnersBit(); ++group) {
        const uint8_t colour = static_cast<uint8_t>((me + 2 * group) % 4);
        for (uint8_t token = 0; token < 4; ++token) {
            const uint8_t p = progressOf(colour, token);
            bool twin = p == ProgressHome;
            for (uint8_t earlier = 0; earlier < token; ++earlier) twin = twin || progressOf(colour, earlier) == p;
            if (twin) continue;
            TokenSight sight{};
            for (uint8_t kind = 0; kind < 2; ++kind) {
                const bool available = kind == 0 ? !lastDieUsed() : sixesRolled() > sixesUsed();
                if (!available) continue;
                const uint8_t die = kind == 0 ? lastDie() : 6;
                MoveScore rated{};
                evaluateMove(track, colour, token, die, rated, sight);
                if (rated.score >= ScoreNotEvaluated) continue;
                if (rated.legal) moves[count++] = HardMove{die, colour, token, None, None};
                if (!isPairScore(rated.score)) continue;
                HardMove pair{die, colour, token, None, None};
                const uint8_t slot = game.players[colour].slot[token];
                findTokenInSlot(slot, 0, sideMask(colour), pair.colour2, pair.token2);
                if (pair.colour2 == colour && pair.token2 == token)
                    findTokenInSlot(slot, 1, sideMask(colour), pair.colour2, pair.token2);
                moves[count++] = pair;
            }
        }
    }
    return count;
}

void applyMove(const HardMove& m) {
    const bool pair = m.colour2 != None;
    int32_t steps = pair ? m.die / 2 : m.die;
    if (m.die == 6 && progressOf(m.colour, m.token) == 0) steps = 1;
    TrackView track;
    viewTrack(m.colour, track);
    Neighbourhood around;
    surveyNeighbourhood(track, m.colour, m.token, around);
    uint8_t victimColour = None, victimToken = None;
    const bool captures = holds(around.foePairsAhead | around.foeSinglesAhead, static_cast<uint32_t>(steps));
    if (captures) tokenAhead(around, static_cast<uint32_t>(steps), victimColour, victimToken);
    moveToken(m.colour, m.token, steps);
    if (pair) moveToken(m.colour2, m.token2, steps);
    // Every token of the victim's side on the landing square goes back to its yard.
    for (uint8_t more = captures ? 1 : 0; more != 0;) {
        uint8_t c = None, t = None;
        more = findTokenInSlot(game.players[m.colour].slot[m.token], 0, sideMask(victimColour), c, t);
        moveToken(c, t, -static_cast<int32_t>(progressOf(c, t)));
    }
    if (m.die == 6) setSixesUsed(sixesUsed() + 1u);
    else setLastDieUsed(true);
}

bool allDicePlayed() { return lastDieUsed() && sixesRolled() <= sixesUsed(); }

// ---- Judgement ------------------------------------------------------------------------------------

// The chances of the next side's turn, in 216ths: a final roll alone, after one six, after two.
constexpr int32_t ChanceAlone = 36, ChanceAfterSix = 6, ChanceAfterTwoSixes = 1;
constexpr int32_t Certain = 216;
constexpr int32_t WinValue = 1 << 30;
constexpr uint8_t LastTrackProgress = 43;
constexpr int MaxSight = 17;

uint8_t sideOf(uint8_t colour) { return flag(FlagPartners) ? colour % 2 : colour / 2; }
bool inPlay(uint8_t colour) { return flag(FlagPartners) || colour % 2 == 0; }

// The chance, in 216ths, that the next side's dice can reach a token `behind` (bit d: a token of
// theirs d squares behind) or `fromYard` (bit d: their start square d squares behind, with a token
// waiting in that yard).
int32_t hitChance(uint32_t behind, uint32_t fromYard) {
    int32_t chance = 0;
    for (uint32_t f = 1; f <= 5; ++f) {
        const uint32_t one = 1u << f, six = 1u << 6, twelve = 1u << 12;
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

// The position's worth to `side`, the side `mover` moving next; weighted features, side minus foe.
int64_t judge(uint8_t side, uint8_t mover) {
    Token tokens[16];
    int count = 0;
    uint8_t onSquare[2][TrackLength + 1] = {};
    uint8_t yardWaiting[4] = {};
    for (uint8_t c = 0; c < 4; ++c) {
        if (!inPlay(c)) continue;
        for (uint8_t t = 0; t < 4; ++t) {
            const uint8_t p = progressOf(c, t);
            const Token token{c, p, squareOf(c, p), sideOf(c)};
            tokens[count++] = token;
            if (p >= 1 && p <= LastTrackProgress) ++onSquare[token.side][token.square];
            if (p == 0) yardWaiting[c] = 1;
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
        if (me.progress < 1 || me.progress > LastTrackProgress) continue;
        const uint8_t mine = onSquare[me.side][me.square];
        if (mine >= 2 && !isSafeSquare(me.square)) f[FeatureBlocks] += 1;
        if (mine >= 2 || isSafeSquare(me.square)) continue;
        uint32_t behind = 0, fromYard = 0;
        for (int j = 0; j < count; ++j) {
            const Token& foe = tokens[j];
            if (foe.side == me.side || foe.progress < 1 || foe.progress > LastTrackProgress) continue;
            const uint32_t d = (me.square + TrackLength - foe.square) % TrackLength;
            if (d >= 1 && d <= MaxSight && foe.progress + d <= LastTrackProgress) behind |= 1u << d;
        }
        for (uint8_t c = 0; c < 4; ++c) {
            if (!inPlay(c) || sideOf(c) == me.side || !yardWaiting[c]) continue;
            const uint32_t d = (me.square + TrackLength - squareOf(c, 1)) % TrackLength;
            if (d <= MaxSight) fromYard |= 1u << d;
        }
        const int64_t chance = hitChance(behind, fromYard);
        if (sideOf(mover) == me.side) {
            f[FeatureRunnerExposure] += chance * me.progress;
        } else {
            f[FeatureExposedSteps] += chance * me.progress;
            f[FeatureExposed] += chance;
        }
    }
    const uint8_t own = sideOf(side);
    int64_t value = 0;
    for (int k = 0; k < HardFeatureCount; ++k) {
        // Counts are certain; exposures come in 216ths already.
        const bool byChance = k == FeatureExposedSteps || k == FeatureExposed || k == FeatureRunnerExposure;
        value += hardWeights.weight[k] * (byChance ? 1 : Certain) * (features[own][k] - features[1 - own][k]);
    }
    return value;
}

bool sideFinished(uint8_t colour) { return sideProgress(colour) == 4u * ProgressHome * (1 + partnersBit()); }

uint8_t nextColour(uint8_t colour) { return static_cast<uint8_t>((colour + 6 - partnersBit()) % 4); }

// ---- The search -----------------------------------------------------------------------------------

// The distinct positions the turn can end in, with the first move that leads to each.
constexpr int MaxLeaves = 2048;
constexpr int TableSize = 4096;  // a power of two, twice the leaves
// Beyond this many ends, each is judged as it stands rather than after every reply.
constexpr int ReplyLeafLimit = 400;

struct Leaf {
    StoredBlocks position;
    uint8_t firstMove;
};

struct Search {
    HardMove firstMoves[MaxMoves];
    Leaf leaves[MaxLeaves];
    int leafCount;
    uint16_t table[TableSize];  // leaf index + 1, 0 empty
};
Search search;

uint32_t positionHash(const PlayerRecord (&players)[4]) {
    uint32_t h = 2166136261u;
    for (const PlayerRecord& p : players)
        for (const uint8_t progress : p.progress) h = (h ^ progress) * 16777619u;
    return h;
}

bool sameTokens(const PlayerRecord (&a)[4], const PlayerRecord (&b)[4]) {
    for (int c = 0; c < 4; ++c)
        if (std::memcmp(a[c].progress, b[c].progress, sizeof a[c].progress) != 0) return false;
    return true;
}

// Keeps the record's position as a turn's end reached by firstMove, once per distinct position.
void addLeaf(uint8_t firstMove) {
    uint32_t at = positionHash(game.players) & (TableSize - 1);
    for (; search.table[at] != 0; at = (at + 1) & (TableSize - 1))
        if (sameTokens(search.leaves[search.table[at] - 1].position.players, game.players)) return;
    if (search.leafCount == MaxLeaves) return;
    search.leaves[search.leafCount] = Leaf{game, firstMove};
    search.table[at] = static_cast<uint16_t>(++search.leafCount);
}

// Every order of the dice left and every move for each, from the record's position.
void walkTurn(uint8_t firstMove) {
    HardMove moves[MaxMoves];
    const int count = listMoves(moves);
    if (count == 0 || sideFinished(game.core.currentPlayer)) {
        addLeaf(firstMove);
        return;
    }
    const StoredBlocks before = game;
    for (int i = 0; i < count; ++i) {
        static_cast<StoredBlocks&>(game) = before;
        applyMove(moves[i]);
        const uint8_t first = firstMove == None ? static_cast<uint8_t>(i) : firstMove;
        if (allDicePlayed()) addLeaf(first);
        else walkTurn(first);
    }
}

void setSingleDie(uint8_t colour, uint8_t face) {
    game.core.currentPlayer = colour;
    game.core.flags &= ~DiceBitsMask;
    if (face == 6) {
        setSixesRolled(1);
        setLastDieUsed(true);
    } else {
        setLastDie(face);
    }
}

// A turn's end as the next side's single die of each face would leave it, that side answering
// with the move this judgement likes least; with no replies, as it stands.
int64_t leafValue(uint8_t side, bool replies) {
    if (sideFinished(side)) return WinValue;
    const uint8_t foe = nextColour(side);
    if (!replies) return judge(side, foe);
    const StoredBlocks end = game;
    int64_t total = 0;
    for (uint8_t face = 1; face <= 6; ++face) {
        static_cast<StoredBlocks&>(game) = end;
        setSingleDie(foe, face);
        HardMove moves[MaxMoves];
        const int count = listMoves(moves);
        const StoredBlocks before = game;
        // After a six the same side rolls again.
        const uint8_t after = face == 6 ? foe : side;
        int64_t worst = count == 0 ? judge(side, after) : WinValue;
        for (int i = 0; i < count; ++i) {
            static_cast<StoredBlocks&>(game) = before;
            applyMove(moves[i]);
            const int64_t value = sideFinished(foe) ? -WinValue : judge(side, after);
            if (value < worst) worst = value;
        }
        total += worst;
    }
    return total;
}

}  // namespace

bool chooseHardMove(PendingMove& out) {
    const StoredBlocks root = game;
    const uint8_t side = game.core.currentPlayer;
    // The same choice whatever difficulty asks, since a person may ask for Hard's move.
    setDifficulty(Difficulty::Hard);
    HardMove moves[MaxMoves];
    const int count = listMoves(moves);
    if (count == 0) return false;
    std::memcpy(search.firstMoves, moves, sizeof moves);
    search.leafCount = 0;
    std::memset(search.table, 0, sizeof search.table);
    walkTurn(None);

    const bool replies = search.leafCount <= ReplyLeafLimit;
    int64_t best = 0;
    uint8_t chosen = None;
    for (int i = 0; i < search.leafCount; ++i) {
        static_cast<StoredBlocks&>(game) = search.leaves[i].position;
        const int64_t value = leafValue(side, replies);
        if (chosen == None || value > best) {
            best = value;
            chosen = search.leaves[i].firstMove;
        }
    }
    static_cast<StoredBlocks&>(game) = root;
    const HardMove& m = search.firstMoves[chosen];
    out = PendingMove{m.die == 6 ? sixesUsed() : sixesRolled(), m.colour, m.token, m.colour2, m.token2};
    return true;
}
