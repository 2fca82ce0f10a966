// Undo: one snapshot of the stored blocks, taken at a person's final roll and restored on request.
#include "game/undo.h"

#include "game/game_state.h"
#include "persist/savefile.h"
#include "platform/chrome/chrome.h"
#include "render/panel.h"

void takeUndoSnapshot() {
    game.undo.core = game.core;
    for (int p = 0; p < 4; ++p) game.undo.players[p] = game.players[p];
    for (int i = 0; i < 16; ++i) game.undo.board[i] = game.board[i];
    game.undo.pendingMove = game.pendingMove;
}

// Every record names a kind for colour 0; only the never-taken, all-zero snapshot has none.
bool undoSnapshotTaken() { return game.undo.players[0].kind != 0; }

void undoMove() {
    game.core = game.undo.core;
    for (int p = 0; p < 4; ++p) game.players[p] = game.undo.players[p];
    for (int i = 0; i < 16; ++i) game.board[i] = game.undo.board[i];
    game.pendingMove = game.undo.pendingMove;
    setMessage(1220, true);
    enableMenuButton(CmdUndo, false);
    saveState();
}
