// Checks that the board slots and the player records describe one consistent position.
#pragma once

// Each token in exactly one live slot named by its `slot` entry, counts equal to popcounts, no two
// live slots on one square, and every token's square equal to squareOf its progress.
void expectBoardInvariants();
