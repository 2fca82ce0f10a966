// The headless back-end: a virtual clock, input handed over by the driver, and a trace of platform events.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/backend.h"
#include "platform/canvas/screen.h"
#include "platform/chrome/chrome.h"
#include "platform/headless/headless.h"
#include "platform/system/crc32.h"

namespace {

std::function<bool()> input;
std::function<void(std::string_view)> traceSink;
uint32_t ticks = 0;

// What would be on the glass now: the trace names the finished frame by the CRC-32 of its pixels
// (each 0x00RRGGBB word in the machine's byte order).
void traceFrame() {
    if (!traceSink) return;
    const size_t size = sizeof(uint32_t) * static_cast<size_t>(screenWidthPixels()) * screenHeightPixels();
    backendTrace("frame %08x", crc32Of(finishUpdate(), size));
}

}  // namespace

void setHeadlessInput(std::function<bool()> readOneLine) { input = std::move(readOneLine); }
void setHeadlessTrace(std::function<void(std::string_view)> sink) { traceSink = std::move(sink); }
void setHeadlessTicks(uint32_t value) { ticks = value; }
void advanceHeadlessTicks(uint32_t ms) { ticks += ms; }

bool backendWaitForInput() {
    traceFrame();
    return input ? input() : false;
}

void backendPause(int32_t ms) {
    traceFrame();
    advanceHeadlessTicks(static_cast<uint32_t>(std::llabs(ms)));
}

uint32_t backendTicks() { return ticks; }

// Nobody looks at the headless screen, but a screenshot may read the framebuffer at any time.
void backendPresent() { finishUpdate(); }

// The trace has already named the cue; there is nothing to hear.
void backendPlaySound(const char*, const uint8_t*, uint32_t) {}

// Starting the viewer is traced by the caller; there is no desktop to open it on.
bool backendStartHelp() { return true; }

void backendTrace(const char* format, ...) {
    if (!traceSink) return;
    va_list args;
    va_start(args, format);
    va_list counting;
    va_copy(counting, args);
    const int length = std::vsnprintf(nullptr, 0, format, counting);
    va_end(counting);
    if (length >= 0) {
        std::string line(static_cast<size_t>(length), '\0');
        std::vsnprintf(line.data(), line.size() + 1, format, args);
        traceSink(line);
    }
    va_end(args);
}
