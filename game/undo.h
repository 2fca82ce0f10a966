// Undo: one snapshot taken at a human's final roll, restored by the Undo command.
#pragma once

#include "resources/ids.h"

void takeUndoSnapshot();
// False until a snapshot has been taken in this run: it is not saved, so after a restart there is
// nothing to go back to.
bool undoSnapshotTaken();
void undoMove();
