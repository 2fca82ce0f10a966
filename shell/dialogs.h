// The Options and About dialogs: their procedures over the dialog templates 2001 and 2002.
#pragma once
#include <cstdint>

constexpr int AboutDialogTemplate = 2001;
constexpr int OptionsDialogTemplate = 2002;

// Called by onCommand for 4021 and 4022: runs the dialog modally; the result is not used.
void runAboutDialog();
void runOptionsDialog();
