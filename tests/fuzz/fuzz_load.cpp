// Fuzz target: any saved-file bytes and any registry value through the start-up load, a few taps, a
// repaint and a save, which must then load back to the very same record.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/setup.h"
#include "platform/window/messages.h"
#include "persist/savefile.h"
#include "render/board.h"
#include "render/layout.h"
#include "tests/fuzz/fuzz_program.h"
#include "turn/controller.h"
#include "turn/dice.h"

namespace {

const char* const KeyPath = "SOFTWARE\\Calverin";
const char* const ValueName = "Rendaro";

std::string folder;

void setUpOnce() {
    if (!folder.empty()) return;
    folder = setUpScratchProgram("load");
    if (!createDrawingResources()) std::abort();
}

void writeFile(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen((folder + "/rendart").c_str(), "wb");
    if (!file) std::abort();
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
}

// Start-up as the program does it, up to the load.
void startUp() {
    std::memset(&game, 0, sizeof game);
    initScreenLayout();
    resetTurnRecord();
    newGame(CmdOnePlayerGame);
    loadState();
    Msg drained;
    while (PeekMessageRemove(drained, 0, 0xFFFFFFFF)) {
    }
}

void requireWellFormedState() {
    packRecord();
    if (!recordIsWellFormed(saveBuffer)) std::abort();
}

}  // namespace

// Input: byte 0 picks which copies exist and the registry type; byte 1 the file's length (0..255);
// then the file's bytes; the rest is the registry value.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setUpOnce();
    if (size < 2) return 0;
    const uint8_t mode = data[0];
    size_t fileSize = data[1];
    data += 2;
    size -= 2;
    if (fileSize > size) fileSize = size;

    unlink((folder + "/rendart").c_str());
    std::remove((folder + "/Calverin/Rendaro").c_str());
    if (mode & 1) writeFile(data, fileSize);
    if (mode & 2) {
        const uint32_t type = (mode & 4) ? REG_SZ : REG_BINARY;
        storeSetValue(KeyPath, ValueName, type, data + fileSize, size - fileSize);
    }

    startUp();
    requireWellFormedState();

    // Whatever was applied must survive play: a few taps anywhere, then a full repaint.
    static const uint8_t rolls[] = {6, 3, 6, 6, 2, 5};
    static size_t nextRoll;
    nextRoll = 0;
    setFixedRollSource([]() -> uint8_t { return nextRoll < sizeof rolls ? rolls[nextRoll++] : 0; });
    const int16_t s = game.boardSize;
    const int32_t taps[][2] = {{s - 33, s + 2}, {93, 216}, {4 + 24 * (mode >> 6), s + 10}, {80, s + 20}, {20, 180}};
    for (const auto& tap : taps) {
        handleTap(tap[0], tap[1]);
        requireWellFormedState();
    }
    InvalidateRect(nullptr, true);
    paintWindow();
    setFixedRollSource(nullptr);

    // The save just made loads back to the same bytes.
    uint8_t saved[SaveRecordSize];
    std::memcpy(saved, saveBuffer, sizeof saved);
    startUp();
    packRecord();
    if (std::memcmp(saved, saveBuffer, sizeof saved) != 0) std::abort();
    return 0;
}
