// What each line of rendaro-cli's input does to the running game.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "tools/cli/script.h"

// Carries out one parsed line; the reason when it could not be done.
std::optional<std::string> runScriptLine(const ScriptLine& line);
// Runs the program, with an empty roll queue, until it ends for good: a `restart` or `load` line
// ends it and starts it again as a new process would start.
void runProgram();
// The `dump` line: "record " and the saved record of the game as it stands, in hex.
std::string recordLine();
// One line of the program's output (dumps, messages, the trace).
void printLine(std::string_view text);
