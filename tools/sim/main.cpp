// rendaro-sim: computer-only games at full speed, their tallies as a Markdown table, a CSV and a chart.
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "ai/hard.h"
#include "game/game_state.h"
#include "persist/savefile.h"
#include "platform/system/program.h"
#include "tools/cli/script_runner.h"
#include "tools/sim/chart.h"
#include "tools/sim/options.h"
#include "tools/sim/play.h"
#include "tools/sim/tally.h"
#include "turn/dice.h"

namespace {

constexpr int RollsPerLine = 32;
// Room for the rolls of any real game (a long one takes about a thousand).
constexpr int LoggedRolls = 4096;

// An output written whole or not at all: a temporary file beside it, renamed into place at the end.
struct PendingFile {
    std::string path, temporary;

    bool open(const char* option, std::string& error) {
        if (path.empty()) return true;
        temporary = path + ".part" + std::to_string(getpid());
        std::FILE* file = std::fopen(temporary.c_str(), "wx");
        if (!file) {
            error = std::string("cannot write ") + option + " " + path + ": " + std::strerror(errno);
            return false;
        }
        std::fclose(file);
        return true;
    }
    bool commit() { return path.empty() || std::rename(temporary.c_str(), path.c_str()) == 0; }
    void discard() const {
        if (!temporary.empty()) std::remove(temporary.c_str());
    }
};

int fail(const std::string& reason, int status) {
    std::fprintf(stderr, "rendaro-sim: %s\n", reason.c_str());
    return status;
}

// Elapsed time by the clock and CPU time of this process and its finished jobs, in seconds.
struct Stopwatch {
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    double cpuStart = cpuSeconds();

    static double cpuSeconds() {
        double total = 0;
        for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
            rusage usage{};
            getrusage(who, &usage);
            for (const timeval& t : {usage.ru_utime, usage.ru_stime}) total += static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
        }
        return total;
    }
    double wall() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); }
    double cpu() const { return cpuSeconds() - cpuStart; }
};

bool playRange(const SimOptions& options, GameResult* results, int64_t begin, int64_t end) {
    for (int64_t i = begin; i < end; ++i) {
        startGame(options, gameSeed(options, i));
        if (!finishGame(options, gameSwapped(options, i), results[i], nullptr)) return false;
    }
    return true;
}

// Splits the games over forked jobs that fill one shared array; each game depends on its seed alone,
// so the totals equal one process's.
bool playAll(const SimOptions& options, GameResult* results, int64_t games) {
    if (options.jobs == 1) return playRange(options, results, 0, games);
    std::fflush(nullptr);
    std::vector<pid_t> children;
    for (int64_t j = 0; j < options.jobs; ++j) {
        const pid_t child = fork();
        if (child == 0) _exit(playRange(options, results, games * j / options.jobs, games * (j + 1) / options.jobs) ? 0 : 1);
        if (child < 0) break;
        children.push_back(child);
    }
    bool ok = children.size() == static_cast<size_t>(options.jobs);
    for (const pid_t child : children) {
        int status = 0;
        ok = waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ok;
    }
    return ok;
}

int runGames(const SimOptions& options, PendingFile& csv, PendingFile& plot) {
    const int64_t games = gamesPlayed(options);
    const size_t bytes = sizeof(GameResult) * static_cast<size_t>(games);
    void* shared = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) return fail("no memory for the results", 1);
    auto* results = static_cast<GameResult*>(shared);
    const Stopwatch watch;
    const bool played = playAll(options, results, games);
    const double cpu = watch.cpu(), wall = watch.wall();
    if (!played) return fail("a game did not end", 1);

    Tally tally;
    std::string rows = csvHeader();
    for (int64_t i = 0; i < games; ++i) {
        addGame(tally, results[i]);
        if (!csv.path.empty()) rows += csvRow(i, gameSeed(options, i), gameSwapped(options, i), results[i]);
    }
    munmap(shared, bytes);
    if (!csv.path.empty()) {
        std::FILE* file = std::fopen(csv.temporary.c_str(), "w");
        const bool written = file && std::fwrite(rows.data(), 1, rows.size(), file) == rows.size();
        if (!(file && std::fclose(file) == 0 && written && csv.commit())) return fail("cannot write --csv " + csv.path, 2);
    }
    if (!plot.path.empty() && !(drawChart(options, tally, plot.temporary.c_str()) && plot.commit()))
        return fail("cannot write --plot " + plot.path, 2);
    std::printf("%s\n%s%s", runHeading(options).c_str(), tallyTable(options, tally).c_str(),
                speedRow(static_cast<double>(games), cpu, wall, "games").c_str());
    return 0;
}

int runRolls(const SimOptions& options, PendingFile& plot) {
    Tally tally;
    seedDice(options.seed);
    const Stopwatch watch;
    for (int64_t i = 0; i < options.rolls; ++i) ++tally.faces[nextDieValue() - 1];
    const double cpu = watch.cpu(), wall = watch.wall();
    if (!plot.path.empty() && !(drawChart(options, tally, plot.temporary.c_str()) && plot.commit()))
        return fail("cannot write --plot " + plot.path, 2);
    std::printf("rendaro-sim %s, seed %u: %lld rolls of the game's dice\n\n| measure | value |\n|---|---|\n%s%s",
                RENDARO_VERSION, options.seed, static_cast<long long>(options.rolls),
                diceTable(tally.faces).c_str(), speedRow(static_cast<double>(options.rolls), cpu, wall, "rolls").c_str());
    return 0;
}

// The first game as rendaro-cli can replay it: its starting record saved in the folder, then the
// lines giving the same dice, the tap that starts it and the dump, and the record it must end with.
int runDump(const SimOptions& options) {
    startGame(options, options.seed);
    setModulePath(options.dump + "/rendaro");
    setDifficulty(options.sides[0]);  // both sides alike: the one difficulty rendaro-cli keeps
    packRecord();
    if (!transferSaveFile(saveBuffer, true)) return fail("cannot write the saved game into --dump " + options.dump, 2);
    static uint8_t rolls[LoggedRolls];
    RollLog log{rolls, LoggedRolls, 0};
    GameResult result{};
    if (!finishGame(options, false, result, &log)) return fail("the game did not end", 1);
    if (log.count > LoggedRolls) return fail("the game took more rolls than the dump can list", 1);
    std::printf("# rendaro-cli --dir %s: seed %u again, with the same dice\n", options.dump.c_str(), options.seed);
    for (int i = 0; i < log.count; ++i)
        std::printf("%s%d%s", i % RollsPerLine == 0 ? "roll " : "", rolls[i],
                    i % RollsPerLine == RollsPerLine - 1 || i + 1 == log.count ? "\n" : " ");
    std::printf("tap 120 120\ndump\n# expect %s\n", recordLine().c_str());
    return 0;
}

uint32_t clockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto nanoseconds = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    return static_cast<uint32_t>(nanoseconds ^ (nanoseconds >> 32));
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    auto options = parseSimOptions(args, error);
    if (!options) return fail(error, 2);
    if (!options->seedGiven) options->seed = clockSeed();
    if (options->hardWeights) hardWeights = *options->hardWeights;
    if (!options->dump.empty()) return runDump(*options);

    PendingFile csv{options->csv, {}}, plot{options->plot, {}};
    if (!csv.open("--csv", error) || !plot.open("--plot", error)) {
        csv.discard();
        return fail(error, 2);
    }
    const int status = options->rolls > 0 ? runRolls(*options, plot) : runGames(*options, csv, plot);
    csv.discard();
    plot.discard();
    return status;
}
