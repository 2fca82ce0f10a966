// The Options and About dialogs: their procedures over the dialog templates of the same names.
#pragma once
#include <cstdint>

#include "platform/chrome/dialog.h"
#include "resources/ids.h"

// The handling both dialogs share: the full-screen set-up with the title bar's "ok", and ending on
// IDOK or IDCANCEL.
int32_t baseDialogProc(HDLG dialog, uint32_t message, uint32_t wParam);
int32_t optionsDialogProc(HDLG dialog, uint32_t message, uint32_t wParam, intptr_t lParam);
int32_t aboutDialogProc(HDLG dialog, uint32_t message, uint32_t wParam, intptr_t lParam);

// Called by onCommand for CmdAbout and CmdOptions: runs the dialog modally; the result is not used.
void runAboutDialog();
void runOptionsDialog();
