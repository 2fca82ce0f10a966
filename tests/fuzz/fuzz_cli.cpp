// Fuzz target: any bytes as rendaro-cli input lines, run through the real start-up and message loop.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <variant>

#include "game/game_state.h"
#include "platform/headless/headless.h"
#include "tools/cli/script.h"
#include "platform/window/messages.h"
#include "shell/window.h"
#include "tests/fuzz/fuzz_program.h"
#include "tools/cli/script_runner.h"
#include "turn/dice.h"

namespace {

std::string folder;

void setUpOnce() {
    if (!folder.empty()) return;
    folder = setUpScratchProgram("cli");
    // Dumps and messages would drown the fuzzer's own report.
    if (!std::freopen("/dev/null", "w", stdout)) std::abort();
}

// Every line runs as in rendaro-cli, except that screenshots land in the scratch folder.
std::optional<std::string> runConfined(const ScriptLine& line) {
    if (std::holds_alternative<ScreenshotLine>(line)) return runScriptLine(ScreenshotLine{folder + "/shot.png"});
    return runScriptLine(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setUpOnce();
    // Each input starts from a fresh program: no saved game, a zero record.
    unlink((folder + "/rendart").c_str());
    std::remove((folder + "/Calverin/Rendaro").c_str());
    std::memset(&game, 0, sizeof game);

    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream errors;
    ScriptReader reader(in, errors, runConfined);
    setHeadlessInput([&reader] { return reader.readOneLine(); });
    runProgram();
    setHeadlessInput(nullptr);
    if (MainWindowExists()) DestroyMainWindow();
    return 0;
}
