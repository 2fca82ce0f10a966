// Process-level services: the program's own path and the help viewer.
#include "platform/system/program.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/backend.h"

extern char** environ;

namespace {

std::string modulePath;

// The help page installed with the running program: share/rendaro beside its folder (bin/ or
// games/), or right beside it.
std::string helpPagePath() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    if (error) return {};
    for (const auto& page : {folder / ".." / "share" / "rendaro" / "rendaro.html", folder / "rendaro.html"})
        if (std::filesystem::is_regular_file(page, error)) return page.lexically_normal().string();
    return {};
}

}  // namespace

void setModulePath(const std::string& path) { modulePath = path; }

const std::string& GetModuleFileName() { return modulePath; }

void startHelpViewer() {
    backendTrace("help");
    backendStartHelp();
}

bool openHelpPage() {
    const std::string page = helpPagePath();
    if (page.empty()) return false;
    // A short-lived shell starts the viewer in the background and exits at once, so the viewer
    // is nobody's child here and never lingers as a zombie.
    const char* argv[] = {"sh", "-c", "xdg-open \"$1\" >/dev/null 2>&1 &", "sh", page.c_str(), nullptr};
    pid_t shell = 0;
    if (posix_spawn(&shell, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) return false;
    int status = 0;
    while (waitpid(shell, &status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
