// Parsing rendaro-sim's command line strictly: every value checked, every mistake named.
#include "tools/sim/options.h"

#include "tools/cli/arguments.h"
#include "tools/cli/script.h"

namespace {

constexpr const char* Usage =
    "usage: rendaro-sim [--games N] [--seed S] [--mode partners|short] [--quick-start on|off] "
    "[--sides easy|normal|hard,easy|normal|hard] [--swap] [--jobs J] [--csv FILE] [--plot FILE.png] [--dump DIR] "
    "[--rolls N] [--hard-weights W,W,...]";

constexpr Difficulty Difficulties[] = {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard};

std::optional<Difficulty> parseDifficulty(std::string_view text) {
    for (const Difficulty d : Difficulties)
        if (text == difficultyName(d)) return d;
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

// One of two words: `into` becomes whether it is the second.
bool setChoice(std::string_view name, std::string_view value, std::string_view first, std::string_view second,
               bool& into, std::string& error) {
    if (value != first && value != second) {
        error = std::string(name) + " needs " + std::string(first) + " or " + std::string(second);
        return false;
    }
    into = value == second;
    return true;
}

// One whole number for each of Hard's features, in their order, separated by commas.
bool setWeights(std::string_view value, SimOptions& options, std::string& error) {
    HardWeights weights{};
    constexpr int64_t Largest = 1'000'000;
    for (int k = 0; k < HardFeatureCount; ++k) {
        const size_t comma = value.find(',');
        const bool last = k + 1 == HardFeatureCount;
        const auto weight = parseInteger(value.substr(0, comma), -Largest, Largest);
        if (!weight || (comma == std::string_view::npos) != last) {
            error = "--hard-weights needs " + std::to_string(HardFeatureCount) + " whole numbers from -" +
                    std::to_string(Largest) + " to " + std::to_string(Largest) + ", separated by commas";
            return false;
        }
        weights.weight[k] = static_cast<int32_t>(*weight);
        if (!last) value.remove_prefix(comma + 1);
    }
    options.hardWeights = weights;
    return true;
}

// Applies one option (--swap, the flag, with no value); false with `error` set when the value is bad.
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
    if (name == "--mode") return setChoice(name, value, "partners", "short", options.shortGames, error);
    if (name == "--quick-start") return setChoice(name, value, "off", "on", options.quickStart, error);
    if (name == "--sides") {
        const size_t comma = value.find(',');
        const auto first = parseDifficulty(value.substr(0, comma));
        const auto second = comma == std::string_view::npos ? std::nullopt : parseDifficulty(value.substr(comma + 1));
        if (!first || !second) {
            error = "--sides needs two difficulties, such as normal,easy";
            return false;
        }
        options.sides[0] = *first;
        options.sides[1] = *second;
        return true;
    }
    if (name == "--hard-weights") return setWeights(value, options, error);
    options.swap = true;  // the one flag
    return true;
}

}  // namespace

const char* difficultyName(Difficulty difficulty) {
    static constexpr const char* Names[] = {"easy", "normal", "hard"};
    return Names[static_cast<int>(difficulty)];
}

std::optional<SimOptions> parseSimOptions(const std::vector<std::string_view>& args, std::string& error) {
    SimOptions options;
    const OptionNames names{{"--swap"},
                            {"--games", "--seed", "--mode", "--quick-start", "--sides", "--jobs", "--csv", "--plot",
                             "--dump", "--rolls", "--hard-weights"},
                            Usage};
    const auto apply = [&](std::string_view name, std::string_view value) {
        return applyValue(name, value, options, error);
    };
    if (!walkOptions(args, names, apply, error)) return std::nullopt;
    if (!options.dump.empty() && options.sides[0] != options.sides[1]) {
        error = "--dump needs the same difficulty on both sides (rendaro-cli has one for all computers)";
        return std::nullopt;
    }
    return options;
}
