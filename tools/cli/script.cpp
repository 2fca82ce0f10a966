// Parsing and reading the headless driver's input lines; strict, and safe with any bytes.
#include "tools/cli/script.h"

#include "platform/window/messages.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <istream>
#include <ostream>
#include <utility>

#include "persist/savefile.h"

namespace {

constexpr std::string_view Blanks = " \t\r\f\v";

std::string_view trim(std::string_view text) {
    const size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    for (text = trim(text); !text.empty(); text = trim(text)) {
        const size_t end = std::min(text.find_first_of(Blanks), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return words;
}

// Reads the arguments of one verb, recording the first problem.
class Arguments {
public:
    Arguments(std::string_view verb, std::vector<std::string_view> words, std::string& error)
        : verb_(verb), words_(std::move(words)), error_(error) {}

    bool expectCount(size_t count) {
        if (words_.size() == count) return true;
        return fail(std::string(verb_) + " takes " + std::to_string(count) + " argument" + (count == 1 ? "" : "s"));
    }
    size_t count() const { return words_.size(); }
    std::string_view word(size_t index) const { return words_[index]; }

    std::optional<int64_t> integer(size_t index, int64_t min, int64_t max) {
        if (auto value = parseInteger(words_[index], min, max)) return value;
        fail(std::string(verb_) + " needs integers from " + std::to_string(min) + " to " + std::to_string(max));
        return std::nullopt;
    }

    bool fail(const std::string& reason) {
        error_ = reason;
        return false;
    }

private:
    std::string_view verb_;
    std::vector<std::string_view> words_;
    std::string& error_;
};

// Pen coordinates travel as signed 16-bit halves of one parameter.
template <typename PointLine>
std::optional<ScriptLine> parsePoint(Arguments& args) {
    if (!args.expectCount(2)) return std::nullopt;
    const auto x = args.integer(0, INT16_MIN, INT16_MAX);
    const auto y = x ? args.integer(1, INT16_MIN, INT16_MAX) : std::nullopt;
    if (!y) return std::nullopt;
    return PointLine{static_cast<int32_t>(*x), static_cast<int32_t>(*y)};
}

std::optional<ScriptLine> parseRoll(Arguments& args) {
    if (args.count() == 0) {
        args.fail("roll needs at least one value");
        return std::nullopt;
    }
    RollLine roll;
    for (size_t i = 0; i < args.count(); ++i) {
        const auto value = args.integer(i, 1, 6);
        if (!value) return std::nullopt;
        roll.values.push_back(static_cast<uint8_t>(*value));
    }
    return roll;
}

// A key by name ("a" to "z", "0" to "9", "f1" to "f12", "tab", "enter", "escape", "space", the
// arrows), after any of "shift+", "ctrl+" and "alt+".
std::optional<ScriptLine> parseKey(Arguments& args) {
    if (!args.expectCount(1)) return std::nullopt;
    static constexpr std::pair<std::string_view, uint32_t> Modifiers[] = {
        {"shift+", KeyShift}, {"ctrl+", KeyCtrl}, {"alt+", KeyAlt}};
    static constexpr std::pair<std::string_view, uint32_t> Named[] = {
        {"tab", KeyTab},   {"enter", KeyEnter}, {"escape", KeyEscape}, {"space", KeySpace},
        {"left", KeyLeft}, {"up", KeyUp},       {"right", KeyRight},   {"down", KeyDown}};
    std::string_view name = args.word(0);
    KeyLine key{0, 0};
    // Each modifier at most once, in any order.
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const auto& [prefix, bit] : Modifiers) {
            if ((key.modifiers & bit) != 0 || name.size() <= prefix.size() || !name.starts_with(prefix)) continue;
            key.modifiers |= bit;
            name.remove_prefix(prefix.size());
            stripped = true;
        }
    }
    if (name.size() == 1 && ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= '0' && name[0] <= '9')))
        key.key = static_cast<uint32_t>(name[0] >= 'a' ? name[0] - 'a' + 'A' : name[0]);
    if (name.size() > 1 && name[0] == 'f')
        if (const auto n = parseInteger(name.substr(1), 1, KeyF12 - KeyF1 + 1)) key.key = KeyF1 + static_cast<uint32_t>(*n - 1);
    for (const auto& [word, code] : Named)
        if (name == word) key.key = code;
    if (key.key != 0) return key;
    args.fail("unknown key");
    return std::nullopt;
}

std::optional<ScriptLine> parseAnswer(Arguments& args) {
    if (!args.expectCount(1)) return std::nullopt;
    if (args.word(0) == "yes") return AnswerLine{true};
    if (args.word(0) == "no") return AnswerLine{false};
    args.fail("answer takes yes or no");
    return std::nullopt;
}

std::optional<ScriptLine> parseScreenshot(std::string_view rest, std::string& error) {
    const std::string_view path = trim(rest);
    if (path.empty()) {
        error = "screenshot needs a file name";
        return std::nullopt;
    }
    if (path.find('\0') != std::string_view::npos) {
        error = "screenshot file name holds a NUL byte";
        return std::nullopt;
    }
    return ScreenshotLine{std::string(path)};
}

// A whole saved record, two hex digits a byte, as `dump` prints it.
std::optional<ScriptLine> parseLoad(Arguments& args) {
    if (!args.expectCount(1)) return std::nullopt;
    const std::string_view hex = args.word(0);
    LoadLine load;
    for (size_t i = 0; i + 1 < hex.size() && hex.size() == 2 * SaveRecordSize; i += 2) {
        uint8_t byte = 0;
        const auto [stop, problem] = std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16);
        if (problem != std::errc{} || stop != hex.data() + i + 2) break;
        load.record.push_back(byte);
    }
    if (load.record.size() == SaveRecordSize) return load;
    args.fail("load needs " + std::to_string(2 * SaveRecordSize) + " hex digits");
    return std::nullopt;
}

// Lines with one unsigned 32-bit argument.
template <typename Line>
std::optional<ScriptLine> parseUnsigned(Arguments& args, int64_t max) {
    if (!args.expectCount(1)) return std::nullopt;
    const auto value = args.integer(0, 0, max);
    if (!value) return std::nullopt;
    return Line{static_cast<uint32_t>(*value)};
}

// Lines without arguments.
template <typename Line>
std::optional<ScriptLine> parseBare(Arguments& args) {
    if (!args.expectCount(0)) return std::nullopt;
    return Line{};
}

}  // namespace

std::optional<int64_t> parseInteger(std::string_view text, int64_t min, int64_t max) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    // from_chars takes a leading '-' but no '+', blanks or base prefixes.
    const auto [stop, problem] = std::from_chars(text.data(), end, value);
    if (text.empty() || problem != std::errc{} || stop != end || value < min || value > max) return std::nullopt;
    return value;
}

std::optional<ScriptLine> parseScriptLine(std::string_view text, std::string& error) {
    const std::string_view content = trim(text);
    if (content.empty() || content.front() == '#') return std::monostate{};
    const size_t verbEnd = std::min(content.find_first_of(Blanks), content.size());
    const std::string_view verb = content.substr(0, verbEnd);
    const std::string_view rest = content.substr(verbEnd);
    if (verb == "screenshot") return parseScreenshot(rest, error);

    Arguments args(verb, splitWords(rest), error);
    if (verb == "tap") return parsePoint<TapLine>(args);
    if (verb == "screen") return parsePoint<ScreenLine>(args);
    if (verb == "roll") return parseRoll(args);
    if (verb == "answer") return parseAnswer(args);
    if (verb == "key") return parseKey(args);
    if (verb == "dump") return parseBare<DumpLine>(args);
    if (verb == "message") return parseBare<MessageLine>(args);
    if (verb == "quit") return parseBare<QuitLine>(args);
    if (verb == "restart") return parseBare<RestartLine>(args);
    if (verb == "load") return parseLoad(args);
    // A command travels in the low half of wParam; the clock is a 32-bit counter.
    if (verb == "command") return parseUnsigned<CommandLine>(args, UINT16_MAX);
    if (verb == "wait") return parseUnsigned<WaitLine>(args, UINT32_MAX);
    error = "unknown command";
    return std::nullopt;
}

ScriptReader::ScriptReader(std::istream& in, std::ostream& errors, Runner run)
    : in_(in), errors_(errors), run_(std::move(run)) {}

bool ScriptReader::readOneLine() {
    std::string text;
    if (!std::getline(in_, text)) return false;
    const long number = ++lineNumber_;
    std::string error;
    const auto line = parseScriptLine(text, error);
    std::optional<std::string> failure = line ? run_(*line) : error;
    if (failure) {
        errors_ << "rendaro-cli: line " << number << ": " << *failure << '\n';
        status_ = 2;
    }
    return true;
}
