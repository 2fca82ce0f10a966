// rendaro-sim's command line: how many games, which seed, which rules and which computer on each side.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ai/hard.h"
#include "game/game_state.h"

constexpr int64_t MaxGames = 1'000'000;
constexpr int64_t MaxRolls = 1'000'000'000;
constexpr int64_t MaxJobs = 64;

struct SimOptions {
    int64_t games = 1000;
    uint32_t seed = 0;
    bool seedGiven = false;
    bool shortGames = false;
    bool quickStart = false;
    Difficulty sides[2] = {Difficulty::Normal, Difficulty::Normal};  // side 1 (colours 0 and 2, or 0 alone), side 2 the others
    bool swap = false;
    int64_t jobs = 1;
    int64_t rolls = 0;  // only roll the dice this many times, no games
    std::string csv;
    std::string plot;
    std::string dump;  // replay folder for rendaro-cli: the first game only
    std::optional<HardWeights> hardWeights;  // Hard's judgement for a tuning run, instead of its own
};

// The word --sides takes for a difficulty, and names it by in the tables.
const char* difficultyName(Difficulty difficulty);

// The arguments after the program name, as "--name value" or "--name=value". Nullopt with a
// one-line reason in `error` for anything else.
std::optional<SimOptions> parseSimOptions(const std::vector<std::string_view>& args, std::string& error);
// The games a run plays: each seed once, or twice with --swap.
inline int64_t gamesPlayed(const SimOptions& options) { return options.games * (options.swap ? 2 : 1); }
