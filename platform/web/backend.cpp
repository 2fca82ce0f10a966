// The web back-end: the device screen on a page's canvas, pointer and keys as the stylus and keyboard,
// waits that give the browser its turn, and the page's entry.
#include <emscripten.h>

#include <cmath>
#include <cstring>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend.h"
#include "platform/canvas/screen.h"
#include "platform/chrome/chrome.h"
#include "platform/system/program.h"
#include "platform/system/store.h"
#include "platform/web/page.h"
#include "platform/window/messages.h"
#include "platform/window/viewport.h"
#include "shell/window.h"
#include "turn/dice.h"

namespace {

constexpr int ScreenWidth = 240;
constexpr int ScreenHeight = 320;
// The page's own file system holds the two saved copies; page.js mirrors it into the browser's storage.
constexpr const char* ModulePath = "/rendaro/game/rendaro";
constexpr const char* StoreRoot = "/rendaro/settings";
constexpr uint32_t OpaqueAlpha = 0xFF000000;

viewport::Placement placement = {};
std::vector<uint32_t> canvasPixels;

void placeCanvas() {
    placement = viewport::fitWithin(pageWidth(), pageHeight(), screenWidthPixels(), screenHeightPixels());
    pagePlaceCanvas(placement.x, placement.y, placement.width, placement.height);
}

// The canvas takes R, G, B, A bytes: in a little-endian word, 0xAABBGGRR.
void present() {
    const uint32_t* frame = finishUpdate();
    canvasPixels.resize(static_cast<size_t>(screenWidthPixels()) * screenHeightPixels());
    for (size_t i = 0; i < canvasPixels.size(); ++i) {
        const uint32_t pixel = frame[i];
        canvasPixels[i] = OpaqueAlpha | (pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF);
    }
    pageShow(reinterpret_cast<const uint8_t*>(canvasPixels.data()), screenWidthPixels(), screenHeightPixels());
}

// Outside a pause the stylus goes to the shell's widgets at once; during one the game is busy, so it
// only queues, as the device's input queue does.
void handle(const PageEvent& event, bool pausing) {
    switch (event.kind) {
    case PageInput::PenDown:
    case PageInput::PenUp: {
        const viewport::ScreenPoint at = viewport::toScreen(placement, event.x, event.y);
        screenPen(event.kind == PageInput::PenDown, at.x, at.y, pausing);
        break;
    }
    case PageInput::Key: screenKey(event.key, event.modifiers); break;
    case PageInput::Resize:
        placeCanvas();
        present();
        break;
    case PageInput::None: break;
    }
}

// The page can be closed only while the program waits, so a copy taken at every wait holds every save.
void presentAndKeepSaves() {
    present();
    pageKeepSaves();
}

// A KeyboardEvent's code, written here by the page's key listener (a call while the program waits
// may not use the program's stack).
char keyName[32];

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE char* webKeyName() { return keyName; }

// The shell's key code for the code in keyName (the key's place, whatever the layout), or 0 for a key
// the game does not know, which the page leaves to the browser.
extern "C" EMSCRIPTEN_KEEPALIVE uint32_t webKeyCode() {
    const std::string_view name(keyName, strnlen(keyName, sizeof keyName));
    const auto suffix = [&](std::string_view prefix) { return name.starts_with(prefix) ? name.substr(prefix.size()) : ""; };
    const auto single = [](std::string_view rest, char first, char last) {
        return rest.size() == 1 && rest[0] >= first && rest[0] <= last ? static_cast<uint32_t>(rest[0]) : 0u;
    };
    if (const uint32_t letter = single(suffix("Key"), 'A', 'Z')) return letter;
    if (const uint32_t digit = single(suffix("Digit"), '0', '9')) return digit;
    if (const uint32_t digit = single(suffix("Numpad"), '1', '9')) return digit;
    for (uint32_t key = KeyF1; key <= KeyF12; ++key)
        if (name == "F" + std::to_string(key - KeyF1 + 1)) return key;
    constexpr struct {
        std::string_view name;
        uint32_t key;
    } named[] = {{"Tab", KeyTab},       {"Enter", KeyEnter},     {"NumpadEnter", KeyEnter}, {"Escape", KeyEscape},
                 {"Space", KeySpace},   {"ArrowLeft", KeyLeft},  {"ArrowUp", KeyUp},        {"ArrowRight", KeyRight},
                 {"ArrowDown", KeyDown}};
    for (const auto& [known, key] : named)
        if (name == known) return key;
    return 0;
}

bool backendWaitForInput() {
    presentAndKeepSaves();
    pageWait(-1);
    handle(pageTakeEvent(), false);
    return true;
}

// A hidden tab's timers run late, which only makes the pause longer: each input is taken from the
// page's queue exactly once, whenever the pause looks.
void backendPause(int32_t ms) {
    presentAndKeepSaves();
    const double start = pageNow();
    for (;;) {
        const double elapsed = pageNow() - start;
        if (ms <= 0 || elapsed >= ms || closeRequested()) return;
        pageWait(static_cast<int32_t>(std::ceil(ms - elapsed)));
        for (PageEvent event = pageTakeEvent(); event.kind != PageInput::None; event = pageTakeEvent()) handle(event, true);
    }
}

uint32_t backendTicks() { return static_cast<uint32_t>(static_cast<uint64_t>(pageNow())); }

void backendPresent() { present(); }

void backendPlaySound(const char*, const uint8_t* wave, uint32_t size) { pagePlayWave(wave, size); }

bool backendStartHelp() { return pageOpenHelp(); }

void backendTrace(const char*, ...) {}

int main() {
    initScreen(ScreenWidth, ScreenHeight);
    placeCanvas();
    setModulePath(ModulePath);
    setStoreRoot(StoreRoot);
    setFixedRollSource(pageTestRoll);
    rendaroMain();
    // Closed (Ctrl+Q): a page cannot end, so it starts again from the game just saved.
    pageRestart();
    return 0;
}
