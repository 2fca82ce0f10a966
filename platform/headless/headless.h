// The headless back-end's controls: where its input and trace go, and its virtual clock.
#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

// Called whenever the program is idle and waits for input: handles one line of input (posting what it
// asks for) and returns true, or returns false at the end of input, which ends the message loop.
// Without one, the loop ends as soon as the program is idle.
void setHeadlessInput(std::function<bool()> readOneLine);
// Receives each platform event as one line without its line break (sound, wait, button, ask, help);
// without a sink the events are not reported.
void setHeadlessTrace(std::function<void(std::string_view line)> sink);

// The virtual tick counter: it moves only through pauses and these calls.
void setHeadlessTicks(uint32_t ticks);
void advanceHeadlessTicks(uint32_t ms);
