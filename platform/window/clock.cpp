// The tick counter and the program's one pause, which sleeps in the back-end instead of spinning.
#include "platform/window/clock.h"

#include <cstdlib>

#include "platform/backend.h"
#include "platform/window/messages.h"

uint32_t GetTickCount() { return backendTicks(); }

uint32_t waitMs(int32_t ms) {
    backendTrace("wait %d", ms);
    const uint32_t start = backendTicks();
    // The game's own test: the distance from the start, as a signed difference, reaches ms. A pause
    // may end early (a real sleep can), so it is repeated for what is left; ms <= 0 passes no time.
    int64_t left = ms;
    uint32_t now = start;
    do {
        backendPause(static_cast<int32_t>(left > 0 ? left : 0));
        now = backendTicks();
        left = ms - std::llabs(static_cast<int64_t>(static_cast<int32_t>(now - start)));
    } while (left > 0 && !closeRequested());
    return now;
}
