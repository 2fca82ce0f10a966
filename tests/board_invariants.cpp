// Checks that the board slots and the player records describe one consistent position.
#include "tests/board_invariants.h"

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "persist/savefile.h"

void expectBoardInvariants() { EXPECT_TRUE(boardIsSound(game.players, game.board)) << "the board and the tokens disagree"; }
