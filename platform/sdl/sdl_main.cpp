// The desktop program's entry: one copy only, a window on a display, then the game's own start-up.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/canvas/screen.h"
#include "platform/sdl/desktop.h"
#include "platform/sdl/instance.h"
#include "platform/system/program.h"
#include "shell/window.h"

int main() {
    SingleInstance instance;
    if (!instance.first()) return 0;
    initScreen(240, 320);
    std::string error;
    if (!openDesktop(error)) {
        std::fprintf(stderr, "rendaro: no display to open the window on (%s)\n", error.c_str());
        return 1;
    }
    std::error_code unreadable;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", unreadable);
    if (!unreadable) setModulePath(program.string());
    instance.watch(requestRaise, requestCloseProgram);
    const int status = rendaroMain();
    // The watcher may push events into SDL until it has stopped.
    instance.unwatch();
    closeDesktop();
    return status;
}
