// rendaro-cli: the game's real start-up and message loop on the headless back-end, driven by lines of input.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/cli/driver_options.h"
#include "platform/headless/headless.h"
#include "tools/cli/script.h"
#include "platform/canvas/screen.h"
#include "platform/system/store.h"
#include "platform/system/program.h"
#include "tools/cli/driver_folder.h"
#include "tools/cli/script_runner.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parseDriverOptions(args, error);
    if (options && options->help) {
        std::cout << DriverUsage << '\n';
        return 0;
    }
    DriverFolder folder;
    if (!options || !folder.open(options->dir, error)) {
        std::cerr << "rendaro-cli: " << error << '\n';
        return 2;
    }

    initScreen(options->screenWidth, options->screenHeight);
    setModulePath((folder.path() / "rendaro").string());
    setStoreRoot(folder.path().string());
    setHeadlessTicks(options->tick);
    if (options->trace) setHeadlessTrace(printLine);

    // The game asks for a line only when it is idle, so each line acts on a settled state.
    ScriptReader reader(std::cin, std::cerr, runScriptLine);
    setHeadlessInput([&reader] { return reader.readOneLine(); });
    runProgram();
    setHeadlessInput(nullptr);
    std::fflush(stdout);
    return reader.exitStatus();
}
