// New game set-up: the line-ups, Quick Start and the question before abandoning a game.
#pragma once
#include <cstdint>

constexpr uint32_t CmdOnePlayerGame = 4011;
constexpr uint32_t CmdTwoPlayerGame = 4012;
constexpr uint32_t CmdTwoPlayerGameAlt = 4013;

void requestNewGame(uint32_t command);
void newGame(uint32_t command);
void setUpBoard(uint32_t command);
