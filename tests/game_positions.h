// Building test positions: an empty board with chosen flags, tokens placed by progress or square, dice.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/game_state.h"

// All tokens in the yard, every colour a person, the given flags word, a 240-pixel board.
void startPosition(uint32_t flags);
// Moves one token straight to a progress, keeping the board slots consistent.
void place(uint8_t colour, uint8_t token, uint8_t progress);
// startPosition(flags), then the tokens placed in order (the earlier ones in the lower slots).
struct Placed {
    uint8_t colour, token, progress;
};
void arrange(uint32_t flags, const std::vector<Placed>& tokens);
// Places tokens given as words, in order: "C.T@P" puts colour C's token T at progress P and "C.T:S" on
// main-track square S; "partners" adds that flag.
void placeWords(const std::string& words);
// The words (token words as placeWords takes them) of the tokens that do not stand where they say.
std::string misplacedWords(const std::string& words);
// startPosition(flags), then placeWords(words).
void arrangeWords(const std::string& words, uint32_t flags = 0);
// The rows of a table in tests/tables: each line's fields, split at " | "; blank and '#' lines left out.
std::vector<std::vector<std::string>> tableRows(const char* name);
// The progress at which a colour stands on a main-track square (1..44).
uint8_t progressOn(uint8_t colour, uint8_t square);
// A new game's line-up without Quick Start: every token in the yard, colour 0 to roll. Partners:
// colours 1 and 3 are the computer's; otherwise they are absent and colour 2 is the computer's.
void setUpPosition(bool partners);
// Puts a token at a progress by its slot alone (no move, no capture), as a restored record could.
void placeToken(uint8_t colour, uint8_t token, uint8_t progress);
// The turn state and the dice of the turn, as setDice below.
void setTurn(TurnState state, uint8_t last, uint8_t sixes, uint8_t sixesPlayed, bool lastPlayed);
// The dice of the turn: the final roll, sixes rolled and played, and whether the final roll is played.
void setDice(uint8_t last, uint8_t sixes, uint8_t sixesPlayed = 0, bool lastPlayed = false);
