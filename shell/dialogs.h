// The Options and About dialogs: their procedures over the dialog templates of the same names.
#pragma once
#include <cstdint>

#include "platform/chrome/dialog.h"
#include "resources/ids.h"

// Called by onCommand for CmdAbout and CmdOptions: runs the dialog modally; the result is not used.
void runAboutDialog();
void runOptionsDialog();
