// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/backend.h"

bool backendWaitForInput() { return {}; }
void backendPause(int32_t ms) { }
uint32_t backendTicks() { return {}; }
void backendPresent() { }
void backendPlaySound(const char* name,  const uint8_t* wave,  uint32_t size) { }
bool backendStartHelp() { return {}; }
void backendTrace(const char*, ...) { }
