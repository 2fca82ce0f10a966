// The application shell: start-up, the main window procedure, taps and menu commands.
#pragma once
#include <cstdint>

#include "resources/ids.h"

// The entry procedure: start-up, the saved game restored, the message loop. Returns 0 in every case.
// (Keeping to one running copy is the desktop back-end's job, before it calls this.)
int rendaroMain();
int32_t mainWindowProc(uint32_t message, uint32_t wParam, int32_t lParam);
void onCommand(uint32_t id);
