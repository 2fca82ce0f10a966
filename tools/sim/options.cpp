// Parsing rendaro-sim's command line strictly: every value checked, every mistake named.
#include "tools/sim/options.h"

#include "tools/cli/script.h"

namespace {

constexpr const char* Usage =
    "usage: rendaro-sim [--games N] [--seed S] [--mode partners|short] [--quick-start on|off] "
    "[--sides normal|easy,normal|easy] [--swap] [--jobs J] [--csv FILE] [--plot FILE.png] [--dump DIR] "
    "[--rolls N]";

constexpr std::string_view ValueOptions[] = {"--games", "--seed",  "--mode", "--quick-start", "--sides", "--jobs",
                                              "--csv",   "--plot",  "--dump", "--rolls"};

bool takesValue(std::string_view name) {
    for (const std::string_view known : ValueOptions)
        if (name == known) return true;
    return false;
}

std::optional<bool> parseDifficulty(std::string_view text) {
    if (text == "normal") return true;
    if (text == "easy") return false;
    return std::nullopt;
}

bool setCount(std::string_view name, std::string_view value, int64_t max, int64_t& into, std::string& error) {
    const auto number = parseInteger(value, 1, max);
    if (!number) {
        error = std::string(name) + " needs a whole number from 1 to " + std::to_string(max);
        return false;
    }
    into = *number;
    return true;
}

bool setPath(std::string_view name, std::string_view value, std::string& into, std::string& error) {
    if (value.empty() || value.find('\0') != std::string_view::npos) {
        error = std::string(name) + " needs a path";
        return false;
    }
    into = std::string(value);
    return true;
}

// Applies one option that takes a value; false with `error` set when the name or value is bad.
bool applyValue(std::string_view name, std::string_view value, SimOptions& options, std::string& error) {
    if (name == "--games") return setCount(name, value, MaxGames, options.games, error);
    if (name == "--jobs") return setCount(name, value, MaxJobs, options.jobs, error);
    if (name == "--rolls") return setCount(name, value, MaxRolls, options.rolls, error);
    if (name == "--csv") return setPath(name, value, options.csv, error);
    if (name == "--plot") return setPath(name, value, options.plot, error);
    if (name == "--dump") return setPath(name, value, options.dump, error);
    if (name == "--seed") {
        const auto seed = parseInteger(value, 0, UINT32_MAX);
        if (!seed) {
            error = "--seed needs a whole number from 0 to " + std::to_string(UINT32_MAX);
            return false;
        }
        options.seed = static_cast<uint32_t>(*seed);
        options.seedGiven = true;
        return true;
    }
    if (name == "--mode") {
        if (value != "partners" && value != "short") {
            error = "--mode needs partners or short";
            return false;
        }
        options.shortGames = value == "short";
        return true;
    }
    if (name == "--quick-start") {
        if (value != "on" && value != "off") {
            error = "--quick-start needs on or off";
            return false;
        }
        options.quickStart = value == "on";
        return true;
    }
    if (name == "--sides") {
        const size_t comma = value.find(',');
        const auto first = parseDifficulty(value.substr(0, comma));
        const auto second = comma == std::string_view::npos ? std::nullopt : parseDifficulty(value.substr(comma + 1));
        if (!first || !second) {
            error = "--sides needs two difficulties, such as normal,easy";
            return false;
        }
        options.normal[0] = *first;
        options.normal[1] = *second;
        return true;
    }
    error = "--swap takes no value";
    return false;
}

}  // namespace

std::optional<SimOptions> parseSimOptions(const std::vector<std::string_view>& args, std::string& error) {
    SimOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (const size_t equals = name.find('='); name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "--swap" && !value) {
            options.swap = true;
            continue;
        }
        if (!takesValue(name) && name != "--swap") {
            error = "unknown option " + std::string(name) + " (" + Usage + ")";
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 == args.size()) {
                error = std::string(name) + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!applyValue(name, *value, options, error)) return std::nullopt;
    }
    if (!options.dump.empty() && options.normal[0] != options.normal[1]) {
        error = "--dump needs the same difficulty on both sides (rendaro-cli has one for all computers)";
        return std::nullopt;
    }
    return options;
}
