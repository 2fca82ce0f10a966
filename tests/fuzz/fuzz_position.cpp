// Fuzz target: from any record the loader accepts, legal moves for the dice the input rolls, each
// checked against the loader's own test, the listing and its replayed events.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ai/move_list.h"
#include "game/position.h"
#include "game/setup.h"
#include "persist/savefile.h"

namespace {

// Rolls and moves per run: a few turns from each record, depth coming from the records themselves.
constexpr size_t MaxPlies = 8;

void require(bool holds) {
    if (!holds) std::abort();
}

// Every token in exactly one live slot, besides what the loader asks.
void requireSound(const Position& pos) {
    require(positionIsSound(pos));
    uint32_t tokens = 0;
    for (const BoardSlot& slot : pos.board)
        if (slot.square != None) tokens += slot.count;
    require(tokens == 16);
}

// The steps a move reported, replayed from where it started, end where the move did.
void requireReplayable(const Position& before, const Position& after, const MoveEvents& events) {
    Position replayed = before;
    for (uint16_t i = 0; i < events.count; ++i)
        if (events.list[i].kind == MoveEventKind::Step) replayStep(replayed, events.list[i]);
    require(std::memcmp(replayed.players, after.players, sizeof after.players) == 0);
    require(std::memcmp(replayed.board, after.board, sizeof after.board) == 0);
}

bool allDicePlayed(const Position& pos) { return lastDieUsed(pos) && sixesUsed(pos) >= sixesRolled(pos); }

// Plays the move at `pick` of the legal moves, or loses the dice when there are none; every listed
// move, the ladders' choices among them, is one applying accepts.
void playOne(Position& pos, uint8_t pick) {
    MoveList list;
    listMoves(pos, list);
    for (uint8_t k = 0; k < list.count; ++k) require(moveAllowed(pos, list.moves[k].move));
    if (list.count == 0) {
        setSixesUsed(pos, sixesRolled(pos));
        setLastDieUsed(pos, true);
        return;
    }
    const Position before = pos;
    MoveEvents events;
    require(applyMove(pos, list.moves[pick % list.count].move, events));
    requireReplayable(before, pos, events);
}

}  // namespace

// Input: a 248-byte record the loader accepts (its checksum aside), or else one byte choosing a new
// game's options; then one byte per roll or move: a roll's sixes and final die, a move's place in the list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t at = 0;
    if (size >= SaveRecordSize && recordIsWellFormed(data)) {
        unpackRecord(data);
        at = SaveRecordSize;
    } else if (size > 0) {
        game = GameState{};
        game.core.flags = (data[0] & OptionBitsMask >> 4) << 4;
        setUpBoard(CmdOnePlayerGame);
        game.core.currentPlayer = 0;
        at = 1;
    }
    Position pos = game;
    const size_t end = std::min(size, at + MaxPlies);
    for (; at < end && turnState(pos) != GameOver; ++at) {
        const uint8_t byte = data[at];
        if (turnState(pos) == AwaitRoll || turnState(pos) == Rolling) {
            setRolledDice(pos, byte % 3, static_cast<uint8_t>(byte / 3 % 5 + 1));
            continue;
        }
        playOne(pos, byte);
        if (allDicePlayed(pos)) passTurn(pos);
        requireSound(pos);
    }
    return 0;
}
