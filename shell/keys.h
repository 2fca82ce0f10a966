// The keyboard in the main window: keys become the taps and menu commands they stand for.
#pragma once
#include <cstdint>

// WM_KEYDOWN: the key and the modifiers held. Keys and modifiers the game does not use do nothing.
void onKey(uint32_t key, uint32_t modifiers);
// After each message: the focus ring leaves a token that can no longer be picked.
void refreshFocusRing();
// A stylus press: the ring goes until the keyboard brings it back.
void hideFocusRing();
