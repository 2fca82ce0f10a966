// Helpers of the crash and write-failure tests: rendaro-cli as a child process, the two stored copies
// of a program folder, and an in-process player that records every record it saves.
#pragma once
#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "persist/savefile.h"

using Record = std::array<uint8_t, SaveRecordSize>;

// A number from the environment, for longer or other runs; `fallback` when it is not set.
long environmentNumber(const char* name, long fallback);
// The default length of a long run: `normal`, shortened in sanitizer builds, which run several times
// slower (the environment still sets any length).
long runLength(const char* name, long normal);
// A fresh folder for one test's files, named after it and the process: in memory when the machine
// has that (a save after every tap costs little there), or under the folder the environment variable
// `baseVariable` names.
std::filesystem::path scratchFolder(const char* name, const char* baseVariable = nullptr);

// The checksum stored in a record's first four bytes agrees with its contents, and its fields are sound.
bool recordIsSound(const Record& record);
// The record packRecord makes of the game as it stands.
Record packedGame();

// The two copies a start-up in `folder` would read (absent when missing, short or malformed), and
// whether each one's file exists at all.
struct StoredCopies {
    std::optional<Record> file, registry;
    bool fileExists = false, registryExists = false;
};
StoredCopies readStoredCopies(const std::string& folder);
// The copy the load rules apply when both are sound: the registry's, else the file's.
std::optional<Record> copyThatWins(const StoredCopies& copies);
// Files the stores left behind beside their own two (temporary files of interrupted saves).
int strayFiles(const std::string& folder);

// rendaro-cli --dir `folder`, reading `input` (a file) and writing its output to `output`.
struct CliRun {
    int waitStatus = 0;
    bool killed() const;
    bool exitedWith(int code) const;
};
CliRun runCli(const std::string& folder, const std::string& input, const std::string& output);
// The same, killed with SIGKILL once `delay` has passed, unless it has ended by then.
CliRun runCliKilled(const std::string& folder, const std::string& input, const std::string& output,
                    std::chrono::microseconds delay);
// The records of the output's "record HEX" lines.
std::vector<Record> dumpedRecords(const std::string& outputFile);

std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);

// Removes the main window (its destroy handling included) and the quit message it leaves behind.
void closeMainWindow();
// Sets this process up as rendaro-cli starts: no window, a zeroed game record, the device screen,
// the clock at 0 (so the same dice), no fixed rolls and no trace, the program and the store in `folder`.
void prepareStart(const std::string& folder);

// One line a player would give in the state the game is in: rolls, taps on the side's tokens, dice
// and "Choose:" buttons, and a new two-player game after a game over.
std::string playerLine(std::mt19937& random);
// Carries out one driver line in this process, as rendaro-cli would.
void runLine(const std::string& line);

// Plays `lines` player lines of a game in-process from the records stored in `folder` (all colours
// human, so that every save belongs to one line). Returns the script; every record either store held
// after a line goes to `saved`.
std::string playAhead(const std::string& folder, int lines, std::mt19937& random, std::set<Record>& saved);
