// Sound: start one of the compiled-in named cues at once; a new cue replaces the one playing.
#pragma once

// Called by the game where a cue belongs (moves, the roll, the end of a game). Never blocks, never
// fails visibly: without an audio device it is silence.
void PlaySound(const char* name);
