// Undo: one snapshot of the stored blocks, taken at a person's final roll and restored on request.
#include "game/undo.h"

#include "game/game_state.h"
#include "persist/savefile.h"
#include "platform/chrome/chrome.h"
#include "render/panel.h"
#include "resources/ids.h"

void takeUndoSnapshot() { game.undo = static_cast<const StoredBlocks&>(game); }

// Every record names a kind for colour 0; only the never-taken, all-zero snapshot has none.
bool undoSnapshotTaken() { return game.undo.players[0].kind != 0; }

void undoMove() {
    static_cast<StoredBlocks&>(game) = game.undo;
    setMessage(MsgUndoComplete, true);
    enableMenuButton(CmdUndo, false);
    saveState();
}
