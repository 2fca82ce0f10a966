// The saved game: the 248-byte record, its checksum, the file beside the module path and the start-up load.
#include "persist/savefile.h"

#include <climits>
#include <cstring>
#include <string>
#include <type_traits>

#include "game/game_state.h"
#include "game/track.h"
#include "persist/registry.h"
#include "platform/system/files.h"
#include "platform/system/program.h"

uint8_t saveBuffer[SaveRecordSize]{};

namespace {

constexpr int ChecksumOffset = 0;
constexpr int MarkerOffset = 4;    // 1, then 0, then five reserved zero bytes
constexpr int BlocksOffset = 11;   // core block, players, board, pending move; 148..247 are carried

// Receives the registry copy at start-up.
uint8_t registryBuffer[SaveRecordSize];
// The saved game's path, derived afresh at every access.
char savePath[PATH_MAX];

// ---- The byte layout ---------------------------------------------------------------------------

template <bool Save>
using RecordBytes = std::conditional_t<Save, uint8_t*, const uint8_t*>;

// Moves one little-endian field at `at` between the record and `value`, then steps past it.
template <bool Save, typename T>
void field(RecordBytes<Save> record, int& at, T& value) {
    if constexpr (Save) {
        for (size_t i = 0; i < sizeof(T); ++i) record[at + i] = static_cast<uint8_t>(value >> (8 * i));
    } else {
        T read = 0;
        for (size_t i = 0; i < sizeof(T); ++i) read = static_cast<T>(read | (static_cast<T>(record[at + i]) << (8 * i)));
        value = read;
    }
    at += static_cast<int>(sizeof(T));
}

template <bool Save, size_t N>
void byteFields(RecordBytes<Save> record, int& at, uint8_t (&values)[N]) {
    for (uint8_t& value : values) field<Save>(record, at, value);
}

// The four stored blocks, field by field in stored order: the one description that saving and
// loading both follow.
template <bool Save>
void walkBlocks(RecordBytes<Save> record, StoredBlocks& blocks) {
    CoreBlock& core = blocks.core;
    PendingMove& move = blocks.pendingMove;
    int at = BlocksOffset;
    field<Save>(record, at, core.currentPlayer);
    byteFields<Save>(record, at, core.reserved1);
    field<Save>(record, at, core.flags);
    byteFields<Save>(record, at, core.reserved2);
    field<Save>(record, at, core.gamesPlayed);
    field<Save>(record, at, core.gamesWon);
    field<Save>(record, at, core.gamesLost);
    byteFields<Save>(record, at, core.reserved3);
    for (PlayerRecord& player : blocks.players) {
        field<Save>(record, at, player.kind);
        byteFields<Save>(record, at, player.progress);
        byteFields<Save>(record, at, player.slot);
    }
    for (BoardSlot& slot : blocks.board) {
        field<Save>(record, at, slot.square);
        field<Save>(record, at, slot.count);
        field<Save>(record, at, slot.tokenMask);
    }
    field<Save>(record, at, move.dieIndex);
    field<Save>(record, at, move.player);
    field<Save>(record, at, move.token);
    field<Save>(record, at, move.player2);
    field<Save>(record, at, move.token2);
}

uint32_t storedChecksum(const uint8_t* record) {
    uint32_t checksum = 0;
    int at = ChecksumOffset;
    field<false>(record, at, checksum);
    return checksum;
}

// A copy we may apply: its checksum holds and its fields describe a game the rules can reach.
bool recordIsSound(const uint8_t* record) {
    return storedChecksum(record) == recordChecksum(record) && recordIsWellFormed(record);
}

// ---- The file ------------------------------------------------------------------------------------

// The module path with its last character replaced by 't'. False when the path already ends in
// 't' (the record would overwrite the program itself) or cannot name a file at all.
bool deriveSavePath() {
    const std::string& module = GetModuleFileName();
    const size_t length = module.size();
    if (length == 0 || length >= sizeof savePath || module[length - 1] == 't') return false;
    module.copy(savePath, length);
    savePath[length - 1] = 't';
    savePath[length] = '\0';
    return true;
}

// ---- Well-formed records -------------------------------------------------------------------------

bool inPlay(uint8_t colour, bool partners) { return partners || colour % 2 == 0; }

// The colours in play are played by a human or the computer; the others are absent, with every
// token in the yard. (A record may give colour 0 to the computer: it then plays itself.)
bool lineUpIsSound(const PlayerRecord (&players)[4], bool partners) {
    for (uint8_t colour = 0; colour < 4; ++colour) {
        const PlayerRecord& player = players[colour];
        if (inPlay(colour, partners)) {
            if (player.kind != Human && player.kind != Computer) return false;
            continue;
        }
        if (player.kind != Absent) return false;
        for (const uint8_t progress : player.progress)
            if (progress != 0) return false;
    }
    return true;
}

bool onSideToPlay(uint8_t colour, uint8_t current, bool partners) {
    return colour == current || (partners && colour == partner(current));
}

// Each token named together with its colour, a second token only after a first, both of the side
// whose turn it is, and a die index the dice of a turn can have.
bool pendingMoveIsSound(const PendingMove& move, uint8_t current, bool partners) {
    if ((move.player == None) != (move.token == None) || (move.player2 == None) != (move.token2 == None))
        return false;
    if (move.player != None && (move.token > 3 || !onSideToPlay(move.player, current, partners))) return false;
    if (move.player2 != None && (move.player == None || move.token2 > 3 || !onSideToPlay(move.player2, current, partners)))
        return false;
    return move.dieIndex <= 2 || move.dieIndex == None;
}

// The dice of a turn as the roll and the moves leave them at the end of a tap, for each turn state.
bool diceAreSound(uint32_t flags, const PendingMove& move) {
    const uint32_t last = (flags & LastDieMask) >> LastDieShift;
    const uint32_t rolled = (flags & SixesRolledMask) >> SixesRolledShift;
    const uint32_t used = (flags & SixesUsedMask) >> SixesUsedShift;
    const bool lastUsed = (flags & LastDieUsedBit) != 0;
    switch (flags & TurnStateMask) {
    case AwaitRoll:
    case Rolling:
        // Before the turn's first roll, or after its first or second six; nothing played yet.
        return used == 0 && !lastUsed && ((last == 0 && rolled == 0) || (last == 6 && (rolled == 1 || rolled == 2)));
    case Playing:
    case PickToken:
    case PickMove: {
        // After the final roll (1..5), with the selected die one of the turn's and still to play.
        if (last < 1 || last > 5 || rolled > 2 || used > rolled || move.dieIndex > rolled) return false;
        const bool selectedUsed = move.dieIndex == rolled ? lastUsed : move.dieIndex < used;
        return !selectedUsed && ((flags & TurnStateMask) != PickMove || move.token != None);
    }
    case GameOver:
        // The winning turn played all its dice (or, in theory, ended on a third six).
        return lastUsed && ((last >= 1 && last <= 5 && rolled <= 2 && used == rolled) ||
                            (last == 6 && rolled == 3 && used == 2));
    default:
        return false;
    }
}

}  // namespace

// Free slots keep stale values and are skipped.
bool boardIsSound(const PlayerRecord (&players)[4], const BoardSlot (&board)[16]) {
    uint16_t placed = 0;
    for (int i = 0; i < 16; ++i) {
        const BoardSlot& slot = board[i];
        if (slot.square == None) continue;
        if (slot.square > SquareHome || slot.tokenMask == 0 || slot.count != tokenCount(slot.tokenMask) ||
            (placed & slot.tokenMask) != 0)
            return false;
        placed = static_cast<uint16_t>(placed | slot.tokenMask);
        for (int j = 0; j < i; ++j)
            if (board[j].square == slot.square) return false;
    }
    for (uint8_t colour = 0; colour < 4; ++colour) {
        for (uint8_t token = 0; token < 4; ++token) {
            const uint8_t progress = players[colour].progress[token];
            const uint8_t index = players[colour].slot[token];
            if (progress > ProgressHome || index > 15) return false;
            const BoardSlot& slot = board[index];
            if (slot.square == None || (slot.tokenMask & (1u << (4 * colour + token))) == 0 ||
                slot.square != squareOf(colour, progress))
                return false;
        }
    }
    return true;
}

bool transferSaveFile(uint8_t* buffer, bool write) {
    if (!deriveSavePath()) return false;
    // An interrupted save leaves the previous record whole, never a truncated or mixed one.
    if (write) return saveSmallFile(savePath, buffer, SaveRecordSize);
    return readFileStart(savePath, buffer, SaveRecordSize) == SaveRecordSize;
}

uint32_t recordChecksum(const uint8_t* buffer) {
    uint32_t sum = 0;
    for (int i = MarkerOffset; i < SaveRecordSize; ++i) sum += buffer[i];
    return sum;
}

void packRecord() {
    saveBuffer[MarkerOffset] = 1;
    std::memset(saveBuffer + MarkerOffset + 1, 0, BlocksOffset - MarkerOffset - 1);
    walkBlocks<true>(saveBuffer, game);
    uint32_t checksum = recordChecksum(saveBuffer);
    int at = ChecksumOffset;
    field<true>(saveBuffer, at, checksum);
}

void unpackRecord(const uint8_t* buffer) {
    walkBlocks<false>(buffer, game);
}

bool recordIsWellFormed(const uint8_t* buffer) {
    StoredBlocks record{};
    walkBlocks<false>(buffer, record);
    return positionIsSound(record);
}

bool positionIsSound(const Position& record) {
    const uint8_t current = record.core.currentPlayer;
    const bool partners = (record.core.flags & FlagPartners) != 0;
    return current <= 3 && lineUpIsSound(record.players, partners) && inPlay(current, partners) &&
           boardIsSound(record.players, record.board) && pendingMoveIsSound(record.pendingMove, current, partners) &&
           diceAreSound(record.core.flags, record.pendingMove);
}

bool saveState() {
    packRecord();
    return transferSaveFile(saveBuffer, true) && writeRegistryCopy(saveBuffer);
}

void loadState() {
    const bool fileOk = transferSaveFile(saveBuffer, false);
    const bool registryOk = readRegistryCopy(registryBuffer);
    // One damaged copy discards both, even when the other is sound.
    const bool bad = (fileOk && !recordIsSound(saveBuffer)) || (registryOk && !recordIsSound(registryBuffer)) ||
                     (!fileOk && !registryOk);
    if (!bad) {
        if (fileOk && registryOk && std::memcmp(saveBuffer, registryBuffer, SaveRecordSize) != 0)
            std::memcpy(saveBuffer, registryBuffer, SaveRecordSize);
        unpackRecord(fileOk ? saveBuffer : registryBuffer);
    }
    saveState();
}
