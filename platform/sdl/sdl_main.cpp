// The desktop program's entry: one copy only, a window on a display, then the game's own start-up.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/canvas/screen.h"
#include "platform/sdl/desktop.h"
#include "platform/sdl/instance.h"
#include "platform/system/files.h"
#include "platform/system/program.h"
#include "shell/window.h"

namespace {

constexpr const char* Usage =
    "usage: rendaro [--help] [--version]\n"
    "Rendaro, a race of tokens home around a cross-shaped board, against the computer or a friend.\n"
    "The game in play is kept in $XDG_STATE_HOME/rendaro, the settings in $XDG_CONFIG_HOME/Calverin.\n";

// The answer to a command-line request, or -1 to start the game.
int answerCommandLine(int argc, char** argv) {
    if (argc < 2) return -1;
    const std::string_view request = argv[1];
    const bool known = request == "--help" || request == "--version";
    if (known && argc == 2)
        return (request == "--help" ? std::fputs(Usage, stdout) : std::printf("rendaro %s\n", RENDARO_VERSION)) < 0;
    std::fprintf(stderr, "rendaro: unknown argument %s\n%s", argv[known ? 2 : 1], Usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int answer = answerCommandLine(argc, argv); answer >= 0) return answer;
    SingleInstance instance;
    if (!instance.first()) return 0;
    initScreen(240, 320);
    std::string error;
    if (!openDesktop(error)) {
        std::fprintf(stderr, "rendaro: no display to open the window on (%s)\n", error.c_str());
        return 1;
    }
    // The game is kept in the user's state folder (the settings copy in the config folder), never
    // beside the program, which an installed copy's user cannot write.
    const std::filesystem::path state = userBaseFolder("XDG_STATE_HOME", ".local/state");
    if (state.empty())
        std::fprintf(stderr, "rendaro: no home folder to keep the game in; playing on without saving\n");
    else
        setModulePath((state / "rendaro" / "rendaro").string());
    instance.watch(requestRaise, requestCloseProgram);
    const int status = rendaroMain();
    // The watcher may push events into SDL until it has stopped.
    instance.unwatch();
    closeDesktop();
    return status;
}
