// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/sound.h"

void PlaySound(const char* name) { }
