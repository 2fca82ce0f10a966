// STUB: to be replaced.
#include "shell/dialogs.h"
void runAboutDialog() {}
void runOptionsDialog() {}
