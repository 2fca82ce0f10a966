// Checks that the board slots and the player records describe one consistent position.
#pragma once

// The loader's own test of the board (boardIsSound) on the game as it stands.
void expectBoardInvariants();
