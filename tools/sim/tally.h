// Totals over many games, the statistics a reader can check, and the Markdown table that shows them.
#pragma once
#include <cstdint>
#include <string>

#include "tools/sim/options.h"
#include "tools/sim/play.h"

struct Tally {
    int64_t games = 0;
    int64_t wins[2] = {0, 0};
    int64_t firstSeatWins = 0;
    int64_t turns = 0, moves = 0, captures = 0, threeSixes = 0;
    int64_t faces[6] = {0, 0, 0, 0, 0, 0};
};

struct Interval {
    double low, high;
};

void addGame(Tally& tally, const GameResult& result);
// The 95% Wilson score interval of a proportion of successes out of n.
Interval wilsonInterval(int64_t successes, int64_t n);
// Pearson's statistic of the face counts against a fair die, and its p-value (5 degrees of freedom).
double chiSquared(const int64_t (&faces)[6]);
double chiSquaredPValue(double statistic, int degreesOfFreedom);

// The run's heading line: version, seed, rules and sides.
std::string runHeading(const SimOptions& options);
// The table's rows but the speed, then the speed row alone (the one line that differs between runs).
std::string tallyTable(const SimOptions& options, const Tally& tally);
std::string diceTable(const int64_t (&faces)[6]);
// The speed by CPU time (the engine's) and by the clock (what a shared machine gave).
std::string speedRow(double count, double cpuSeconds, double wallSeconds, const char* what);
// One CSV row per game, after the header.
std::string csvHeader();
std::string csvRow(int64_t index, uint32_t seed, bool swapped, const GameResult& result);
