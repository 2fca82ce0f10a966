// New game set-up: the line-ups, Quick Start and the question before abandoning a game.
#pragma once
#include <cstdint>

#include "resources/ids.h"

void requestNewGame(uint32_t command);
void newGame(uint32_t command);
void setUpBoard(uint32_t command);
