// The seam between the shared platform layer and one back-end (SDL window or headless), chosen at link time.
#pragma once
#include <cstdint>

// Called by GetMessage when the queue is empty and nothing is to paint: blocks until input arrives
// (and is posted), then returns true; false when no more input can ever come (end of script).
bool backendWaitForInput();
// Called by waitMs: show the screen, then let ms pass (sleeping, or advancing a virtual clock).
// Input arriving meanwhile is queued, not handled.
void backendPause(int32_t ms);
uint32_t backendTicks();
// Called after each paint and before every pause: the framebuffer has changed.
void backendPresent();
// Starts the named cue's wave bytes playing, replacing the one playing.
void backendPlaySound(const char* name, const uint8_t* wave, uint32_t size);
// Starts the help viewer; false when it could not be started.
bool backendStartHelp();
// Diagnostics of platform events (sound, wait, button, ask, help) for the headless trace.
void backendTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));
