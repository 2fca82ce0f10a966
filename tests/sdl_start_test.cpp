// Starting the desktop program: without a display it says so on one line and fails; a second start
// hands over to the running copy and leaves.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The program is built beside the tests' folder.
fs::path programPath() { return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "rendaro"; }

struct TempFolder {
    fs::path path;
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "rendaro-start-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path); }
};

struct Outcome {
    int status = -1;
    std::string errors;
    std::string output;
};

// Runs the program with no usable display and its runtime folder in `runtime`; `display` names an
// X display that does not exist, or is empty for none at all.
Outcome runWithoutDisplay(const fs::path& runtime, const std::string& display = "") {
    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v) {
        const std::string variable = *v;
        const std::string name = variable.substr(0, variable.find('='));
        if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "SDL_VIDEODRIVER" && name != "XDG_RUNTIME_DIR" &&
            name != "ASAN_OPTIONS")
            variables.push_back(variable);
    }
    variables.push_back("XDG_RUNTIME_DIR=" + runtime.string());
    // Only what the program says matters here; in a sanitizer build the system's D-Bus library,
    // which SDL starts, would add its own leak report at exit.
    variables.push_back("ASAN_OPTIONS=detect_leaks=0");
    if (!display.empty()) variables.push_back("DISPLAY=" + display);
    std::vector<char*> env;
    for (std::string& v : variables) env.push_back(v.data());
    env.push_back(nullptr);

    const fs::path errors = runtime / "stderr.txt";
    const fs::path output = runtime / "stdout.txt";
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string program = programPath().string();
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    Outcome run;
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &files, nullptr, argv, env.data()) == 0) {
        // A program that wrongly carries on (an invisible window) would never end by itself.
        int status = 0;
        pid_t ended = 0;
        for (int wait = 0; wait < 200 && ended == 0; ++wait) {
            ended = waitpid(child, &status, WNOHANG);
            if (ended == 0) usleep(50'000);
        }
        if (ended == 0) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
        } else if (WIFEXITED(status)) {
            run.status = WEXITSTATUS(status);
        }
    }
    posix_spawn_file_actions_destroy(&files);
    auto slurp = [](const fs::path& file) {
        std::ostringstream text;
        text << std::ifstream(file).rdbuf();
        return text.str();
    };
    run.errors = slurp(errors);
    run.output = slurp(output);
    return run;
}

fs::path instanceFile(const fs::path& runtime, const char* suffix) {
    return runtime / ("rendaro-" + std::to_string(getuid()) + suffix);
}

}  // namespace

TEST(SdlStart, WithoutADisplayItFailsWithOneLineOfExplanation) {
    ASSERT_TRUE(fs::exists(programPath())) << programPath();
    TempFolder runtime;
    // A socket file left by a copy that died must not be taken for a running copy.
    std::ofstream(instanceFile(runtime.path, ".sock")) << "stale";
    // No display named at all, and one named that cannot be reached (SDL would fall back to
    // drawing into memory, an invisible window).
    for (const std::string display : {"", ":4711"}) {
        SCOPED_TRACE(display);
        const Outcome run = runWithoutDisplay(runtime.path, display);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, "");
        ASSERT_FALSE(run.errors.empty());
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << run.errors;
        EXPECT_EQ(run.errors.rfind("rendaro: ", 0), 0u) << run.errors;
    }
}

TEST(SdlStart, ASecondStartAsksTheRunningCopyToComeForwardAndLeaves) {
    ASSERT_TRUE(fs::exists(programPath())) << programPath();
    TempFolder runtime;
    // Stand in for the running copy: hold its lock and listen on its socket.
    const int lock = open(instanceFile(runtime.path, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const std::string socketPath = instanceFile(runtime.path, ".sock").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, socketPath.c_str());
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);

    // No display is needed to hand over: the second copy never opens a window.
    const Outcome run = runWithoutDisplay(runtime.path);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");

    const int connection = accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    ASSERT_GE(connection, 0) << "the running copy was not asked";
    char request[16] = {};
    EXPECT_GT(read(connection, request, sizeof request - 1), 0);
    EXPECT_STREQ(request, "raise\n");
    close(connection);

    // A running copy that accepts and closes before the request is written: the race has to be
    // met by chance, so the start is tried several times, and must leave with 0 every time.
    std::thread hasty([listener] {
        for (int connection; (connection = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) close(connection);
    });
    for (int attempt = 0; attempt < 12; ++attempt) EXPECT_EQ(runWithoutDisplay(runtime.path).status, 0) << attempt;
    shutdown(listener, SHUT_RDWR);
    hasty.join();
    close(listener);
    close(lock);
}
