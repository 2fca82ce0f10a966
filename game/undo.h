// Undo: one snapshot taken at a human's final roll, restored by the Undo command.
#pragma once

constexpr unsigned CmdUndo = 4040;

void takeUndoSnapshot();
void undoMove();
