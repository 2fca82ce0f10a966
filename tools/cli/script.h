// The headless driver's input: one line at a time, parsed strictly into what it asks of the program.
#pragma once
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A decimal integer: an optional '-' and digits, nothing else; nullopt outside [min, max].
std::optional<int64_t> parseInteger(std::string_view text, int64_t min, int64_t max);

struct TapLine { int32_t x, y; };         // client coordinates of the main window
struct ScreenLine { int32_t x, y; };      // screen coordinates
struct CommandLine { uint32_t id; };
struct KeyLine { uint32_t key, modifiers; };  // key codes and modifier bits of WM_KEYDOWN
struct AnswerLine { bool yes; };
struct RollLine { std::vector<uint8_t> values; };
struct WaitLine { uint32_t ms; };
struct DumpLine {};
struct MessageLine {};
struct QuitLine {};
struct RestartLine {};
struct LoadLine { std::vector<uint8_t> record; };
struct ScreenshotLine { std::string path; };
// std::monostate is a blank or comment line.
using ScriptLine = std::variant<std::monostate, TapLine, ScreenLine, CommandLine, KeyLine, AnswerLine, RollLine,
                                WaitLine, DumpLine, MessageLine, QuitLine, RestartLine, LoadLine, ScreenshotLine>;

// The line, or nullopt with the reason in `error`.
std::optional<ScriptLine> parseScriptLine(std::string_view text, std::string& error);

// Reads and carries out one line per call, numbering the lines. A line that cannot be parsed, or that
// the runner reports as failed, gets one line on `errors` naming its number, and makes the exit status 2.
class ScriptReader {
public:
    // Carries out one parsed line; returns the reason when it could not be done.
    using Runner = std::function<std::optional<std::string>(const ScriptLine&)>;

    ScriptReader(std::istream& in, std::ostream& errors, Runner run);
    // False at the end of input.
    bool readOneLine();
    int exitStatus() const { return status_; }

private:
    std::istream& in_;
    std::ostream& errors_;
    Runner run_;
    long lineNumber_ = 0;
    int status_ = 0;
};
