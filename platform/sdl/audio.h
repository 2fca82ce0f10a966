// The SDL back-end's sound device, which lets go of the sound card while no cue plays.
#pragma once
#include <SDL.h>

// Called by the event loop with every event: true when it was the sound device's own (its last
// cue has ended and the device may close).
bool handleAudioEvent(const SDL_Event& event);
