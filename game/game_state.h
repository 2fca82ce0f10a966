// The one game record: stored blocks, the flags word and the operations every subsystem shares.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>

// ---- Values --------------------------------------------------------------------------------

constexpr uint8_t None = 255;  // a free slot, an empty pending-move byte, no kind, no match

enum TurnState : uint8_t { AwaitRoll = 0, Rolling = 1, Playing = 2, PickToken = 3, PickMove = 4, GameOver = 5 };

enum PlayerKind : uint8_t { Human = 1, Computer = 2, Absent = 255 };

// Bits of CoreBlock::flags.
constexpr uint32_t TurnStateMask = 0xF;
constexpr uint32_t FlagPlaySounds = 1u << 4;
constexpr uint32_t FlagAnimateDice = 1u << 5;
constexpr uint32_t FlagAnimateTokens = 1u << 6;
constexpr uint32_t FlagShowTips = 1u << 7;
constexpr uint32_t FlagShortGames = 1u << 8;
constexpr uint32_t FlagQuickStart = 1u << 9;
constexpr uint32_t FlagNormal = 1u << 10;
constexpr uint32_t LastDieShift = 11, LastDieMask = 7u << 11;
constexpr uint32_t SixesRolledShift = 14, SixesRolledMask = 3u << 14;
constexpr uint32_t SixesUsedShift = 16, SixesUsedMask = 3u << 16;
constexpr uint32_t LastDieUsedBit = 1u << 18;
constexpr uint32_t DiceBitsMask = 0xFFu << 11;  // bits 11..18: the dice of the turn
constexpr uint32_t FlagPartners = 1u << 19;
constexpr uint32_t FlagOnePlayer = 1u << 20;
// Hard is stored as Hard and Normal together, so a program that knows only Normal plays it as Normal;
// Hard is whatever this bit says, whatever bit 10 says.
constexpr uint32_t FlagHard = 1u << 21;
constexpr uint32_t FlagTokenMarks = 1u << 22;
constexpr uint32_t OptionBitsMask = 0x7F0 | FlagHard | FlagTokenMarks;  // bits 4..10, 21 and 22
constexpr uint32_t DefaultFlags = 0x6F0;

// Progress and square landmarks.
constexpr uint8_t ProgressHome = 48;
constexpr uint8_t SquareYard = 0, SquareHome = 61;

// ---- Stored blocks (byte images kept in the save record and the undo snapshot) ----------------

struct CoreBlock {
    uint8_t currentPlayer;
    uint8_t reserved1[3];
    uint32_t flags;
    uint8_t reserved2[8];
    uint32_t gamesPlayed;
    uint32_t gamesWon;
    uint32_t gamesLost;
    uint8_t reserved3[4];
};

struct PlayerRecord {
    uint8_t kind;
    uint8_t progress[4];
    uint8_t slot[4];
};

struct BoardSlot {
    uint8_t square;  // 255 = free; count and tokenMask then hold stale values
    uint8_t count;
    uint16_t tokenMask;
};

struct PendingMove {
    uint8_t dieIndex;
    uint8_t player;
    uint8_t token;
    uint8_t player2;
    uint8_t token2;
};

static_assert(sizeof(CoreBlock) == 32 && offsetof(CoreBlock, flags) == 4 &&
              offsetof(CoreBlock, gamesPlayed) == 16 && offsetof(CoreBlock, gamesLost) == 24);
static_assert(sizeof(PlayerRecord) * 4 == 36);
static_assert(sizeof(BoardSlot) * 16 == 64 && offsetof(BoardSlot, tokenMask) == 2);
static_assert(sizeof(PendingMove) == 5);

// The four blocks as the save record and the undo snapshot hold them.
struct StoredBlocks {
    CoreBlock core;
    PlayerRecord players[4];
    BoardSlot board[16];
    PendingMove pendingMove;
};

// Kinds of move a shared square can offer: each colour alone, each colour's pair, the mixed pair.
constexpr int MoveKindCapacity = 5;

// A position: the stored blocks as a value that plain functions copy and change (game/position.h).
using Position = StoredBlocks;

// The game plays on its stored blocks; the rest of the record is never stored.
struct GameState : StoredBlocks {
    // The pair-move choice: not in the snapshot.
    uint8_t ownOnSquare;
    uint8_t partnerOnSquare;
    uint8_t moveKind;
    uint8_t moveKindChoices[MoveKindCapacity];
    StoredBlocks undo;
    int16_t boardSize;
};

extern GameState game;

// The message shown below the board: kept beside the record, never stored.
constexpr int MessageCapacity = 128;  // 127 characters and the terminator
extern char messageText[MessageCapacity];

// ---- The flags word, on a position and on the game ------------------------------------------------

inline bool flag(const Position& pos, uint32_t bit) { return (pos.core.flags & bit) != 0; }
inline void setFlag(Position& pos, uint32_t bit, bool on) {
    pos.core.flags = on ? (pos.core.flags | bit) : (pos.core.flags & ~bit);
}
inline uint32_t partnersBit(const Position& pos) { return flag(pos, FlagPartners) ? 1 : 0; }
inline TurnState turnState(const Position& pos) { return static_cast<TurnState>(pos.core.flags & TurnStateMask); }
inline void setTurnState(Position& pos, TurnState s) { pos.core.flags = (pos.core.flags & ~TurnStateMask) | s; }

inline uint8_t lastDie(const Position& pos) { return (pos.core.flags & LastDieMask) >> LastDieShift; }
inline uint8_t sixesRolled(const Position& pos) { return (pos.core.flags & SixesRolledMask) >> SixesRolledShift; }
inline uint8_t sixesUsed(const Position& pos) { return (pos.core.flags & SixesUsedMask) >> SixesUsedShift; }
inline bool lastDieUsed(const Position& pos) { return flag(pos, LastDieUsedBit); }
inline void setLastDie(Position& pos, uint32_t v) {
    pos.core.flags = (pos.core.flags & ~LastDieMask) | ((v & 7) << LastDieShift);
}
inline void setSixesRolled(Position& pos, uint32_t n) {
    pos.core.flags = (pos.core.flags & ~SixesRolledMask) | ((n & 3) << SixesRolledShift);
}
inline void setSixesUsed(Position& pos, uint32_t n) {
    pos.core.flags = (pos.core.flags & ~SixesUsedMask) | ((n & 3) << SixesUsedShift);
}
inline void setLastDieUsed(Position& pos, bool on) { setFlag(pos, LastDieUsedBit, on); }

inline bool flag(uint32_t bit) { return flag(game, bit); }
inline void setFlag(uint32_t bit, bool on) { setFlag(game, bit, on); }
inline uint32_t partnersBit() { return partnersBit(game); }
inline TurnState turnState() { return turnState(game); }
inline void setTurnState(TurnState s) { setTurnState(game, s); }
inline uint8_t lastDie() { return lastDie(game); }
inline uint8_t sixesRolled() { return sixesRolled(game); }
inline uint8_t sixesUsed() { return sixesUsed(game); }
inline bool lastDieUsed() { return lastDieUsed(game); }
inline void setLastDie(uint32_t v) { setLastDie(game, v); }
inline void setSixesRolled(uint32_t n) { setSixesRolled(game, n); }
inline void setSixesUsed(uint32_t n) { setSixesUsed(game, n); }
inline void setLastDieUsed(bool on) { setLastDieUsed(game, on); }

// The computer's difficulty, in the order the Options list shows it.
enum class Difficulty : uint8_t { Easy = 0, Normal = 1, Hard = 2 };
inline Difficulty difficulty(const Position& pos) {
    return flag(pos, FlagHard) ? Difficulty::Hard : flag(pos, FlagNormal) ? Difficulty::Normal : Difficulty::Easy;
}
inline void setDifficulty(Position& pos, Difficulty d) {
    setFlag(pos, FlagNormal, d != Difficulty::Easy);
    setFlag(pos, FlagHard, d == Difficulty::Hard);
}
inline Difficulty difficulty() { return difficulty(game); }
inline void setDifficulty(Difficulty d) { setDifficulty(game, d); }

// ---- Shared operations ------------------------------------------------------------------------

inline uint8_t partner(uint8_t p) { return (p + 2) % 4; }
// The tokens of colour's side: its own, and its partner's in a partners game.
inline uint16_t sideMask(const Position& pos, uint8_t colour) {
    uint16_t mask = static_cast<uint16_t>(0xF << (4 * colour));
    if (flag(pos, FlagPartners)) mask |= static_cast<uint16_t>(0xF << (4 * partner(colour)));
    return mask;
}
inline uint16_t sideMask(uint8_t colour) { return sideMask(game, colour); }
// How many tokens a mask of 4 * colour + token bits names.
inline uint8_t tokenCount(uint16_t mask) { return static_cast<uint8_t>(std::popcount(mask)); }
// Whether a mask names two tokens or more: the computer asks on every square, and without a popcount
// instruction in the target std::popcount is a library call.
inline bool severalTokens(uint16_t mask) { return (mask & (mask - 1)) != 0; }
// Reports the token after the first `skip` of (slot mask & mask); returns how many follow it.
uint8_t findTokenInSlot(const Position& pos, uint8_t slot, uint8_t skip, uint16_t mask, uint8_t& colour, uint8_t& token);
inline uint8_t findTokenInSlot(uint8_t slot, uint8_t skip, uint16_t mask, uint8_t& colour, uint8_t& token) {
    return findTokenInSlot(game, slot, skip, mask, colour, token);
}
uint8_t dieValue(const Position& pos, uint8_t d);
bool dieUsed(const Position& pos, uint8_t d);
uint8_t firstUnplayedDie(const Position& pos);
inline uint8_t dieValue(uint8_t d) { return dieValue(game, d); }
inline bool dieUsed(uint8_t d) { return dieUsed(game, d); }
inline uint8_t firstUnplayedDie() { return firstUnplayedDie(game); }
void clearPendingMove(Position& pos);  // all five bytes to 255
inline void clearPendingMove() { clearPendingMove(game); }
// The record as the program starts: default options, no turn under way, no message.
void resetGameRecord();

// The board slot and the progress of one token, for readability at call sites.
inline const BoardSlot& slotOf(const Position& pos, uint8_t colour, uint8_t token) {
    return pos.board[pos.players[colour].slot[token]];
}
inline uint8_t progressOf(const Position& pos, uint8_t colour, uint8_t token) { return pos.players[colour].progress[token]; }
inline BoardSlot& slotOf(uint8_t colour, uint8_t token) { return game.board[game.players[colour].slot[token]]; }
inline uint8_t progressOf(uint8_t colour, uint8_t token) { return progressOf(game, colour, token); }
