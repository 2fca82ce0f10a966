// The application shell: start-up, the main window procedure, taps and menu commands.
#pragma once
#include <cstdint>

#include "resources/ids.h"

// The entry procedure: single-instance check, start-up, the message loop. Returns 0 in every case.
int rendaroMain();
bool createMainClass();
int32_t mainWindowProc(uint32_t message, uint32_t wParam, int32_t lParam);
void onTap(int32_t x, int32_t y);
void onCommand(uint32_t id);
