// The saved game: the 248-byte record, its checksum, the file beside the module path and the start-up load.
#pragma once
#include <cstdint>

#include "game/game_state.h"
#include "persist/registry.h"

// Kept for the whole run; offsets 148..247 are carried through from whatever was loaded.
extern uint8_t saveBuffer[SaveRecordSize];

bool transferSaveFile(uint8_t* buffer, bool write);
uint32_t recordChecksum(const uint8_t* buffer);
void packRecord();
void unpackRecord(const uint8_t* buffer);
// True when a record's fields are all within their ranges and agree with each other.
bool recordIsWellFormed(const uint8_t* buffer);
// The same of a position: a game the rules can reach, every token in exactly one slot.
bool positionIsSound(const Position& pos);
// The board part of that: every token in exactly one live slot, on the square its progress gives;
// live slots on distinct squares, each counting exactly the tokens of its mask.
bool boardIsSound(const PlayerRecord (&players)[4], const BoardSlot (&board)[16]);
bool saveState();
void loadState();
