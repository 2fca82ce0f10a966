// The statistics: proportions with Wilson intervals, Pearson's chi-squared and its incomplete-gamma p-value.
#include "tools/sim/tally.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr double Z95 = 1.959963984540054;  // the two-sided 95% point of the normal distribution
constexpr int GammaIterations = 500;
constexpr double GammaEpsilon = 1e-15;
constexpr double TinyFloat = 1e-300;

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* pattern, ...) {
    char line[256];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(line, sizeof line, pattern, args);
    va_end(args);
    return line;
}

// The regularized lower incomplete gamma P(a, x) by its series, good below x = a + 1.
double lowerGammaSeries(double a, double x) {
    double term = 1.0 / a, sum = term;
    for (int n = 1; n < GammaIterations && std::fabs(term) > std::fabs(sum) * GammaEpsilon; ++n) {
        term *= x / (a + n);
        sum += term;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// The regularized upper incomplete gamma Q(a, x) by Lentz's continued fraction, good above x = a + 1.
double upperGammaFraction(double a, double x) {
    double b = x + 1.0 - a, c = 1.0 / TinyFloat, d = 1.0 / b, h = d;
    for (int n = 1; n < GammaIterations; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < TinyFloat) d = TinyFloat;
        c = b + an / c;
        if (std::fabs(c) < TinyFloat) c = TinyFloat;
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < GammaEpsilon) break;
    }
    return h * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

double perGame(int64_t total, int64_t games) { return static_cast<double>(total) / static_cast<double>(games); }

std::string winRow(const char* who, int64_t wins, int64_t games) {
    const Interval ci = wilsonInterval(wins, games);
    return format("| %s | %lld (%.1f%%, 95%% interval %.1f%%–%.1f%%) |\n", who, static_cast<long long>(wins),
                  100.0 * perGame(wins, games), 100.0 * ci.low, 100.0 * ci.high);
}

}  // namespace

void addGame(Tally& tally, const GameResult& result) {
    ++tally.games;
    ++tally.wins[result.winnerSide];
    tally.firstSeatWins += result.firstSeatWon;
    tally.turns += result.turns;
    tally.moves += result.moves;
    tally.captures += result.captures;
    tally.threeSixes += result.threeSixes;
    for (int f = 0; f < 6; ++f) tally.faces[f] += result.faces[f];
}

Interval wilsonInterval(int64_t successes, int64_t n) {
    if (n == 0) return {0.0, 1.0};
    const double p = perGame(successes, n), count = static_cast<double>(n), z2 = Z95 * Z95;
    const double centre = (p + z2 / (2 * count)) / (1 + z2 / count);
    const double half = Z95 * std::sqrt(p * (1 - p) / count + z2 / (4 * count * count)) / (1 + z2 / count);
    return {std::fmax(0.0, centre - half), std::fmin(1.0, centre + half)};
}

double chiSquared(const int64_t (&faces)[6]) {
    int64_t total = 0;
    for (const int64_t f : faces) total += f;
    if (total == 0) return 0.0;
    const double expected = static_cast<double>(total) / 6.0;
    double sum = 0.0;
    for (const int64_t f : faces) sum += (static_cast<double>(f) - expected) * (static_cast<double>(f) - expected) / expected;
    return sum;
}

double chiSquaredPValue(double statistic, int degreesOfFreedom) {
    const double a = degreesOfFreedom / 2.0, x = statistic / 2.0;
    if (x <= 0.0) return 1.0;
    return x < a + 1.0 ? 1.0 - lowerGammaSeries(a, x) : upperGammaFraction(a, x);
}

std::string runHeading(const SimOptions& options) {
    return format("rendaro-sim %s, seed %u: %s games, quick start %s, side 1 %s, side 2 %s%s\n", RENDARO_VERSION,
                  options.seed, options.shortGames ? "short" : "partners", options.quickStart ? "on" : "off",
                  difficultyName(options.sides[0]), difficultyName(options.sides[1]),
                  options.swap ? ", each seed twice with the seats swapped" : "");
}

std::string diceTable(const int64_t (&faces)[6]) {
    int64_t total = 0;
    for (const int64_t f : faces) total += f;
    std::string text;
    for (int f = 0; f < 6; ++f)
        text += format("| face %d | %lld (%.3f%%) |\n", f + 1, static_cast<long long>(faces[f]),
                       100.0 * perGame(faces[f], total));
    const double statistic = chiSquared(faces);
    text += format("| χ² against a fair die (5 degrees of freedom) | %.3f, p = %.4f |\n", statistic,
                   chiSquaredPValue(statistic, 5));
    return text;
}

std::string tallyTable(const SimOptions& options, const Tally& tally) {
    const int64_t n = tally.games;
    std::string text = "| measure | value |\n|---|---|\n";
    text += format("| games | %lld |\n", static_cast<long long>(n));
    for (int s = 0; s < 2; ++s)
        text += winRow(format("side %d (%s) wins", s + 1, difficultyName(options.sides[s])).c_str(), tally.wins[s], n);
    text += winRow("wins by the side that moves first", tally.firstSeatWins, n);
    text += format("| turns per game | %.2f |\n", perGame(tally.turns, n));
    text += format("| moves per game | %.2f |\n", perGame(tally.moves, n));
    text += format("| tokens captured per game | %.2f |\n", perGame(tally.captures, n));
    text += format("| sixes per game | %.2f |\n", perGame(tally.faces[5], n));
    text += format("| three sixes per game | %.3f |\n", perGame(tally.threeSixes, n));
    return text + diceTable(tally.faces);
}

std::string speedRow(double count, double cpuSeconds, double wallSeconds, const char* what) {
    return format("| %s per second | %.0f per CPU second, %.0f by the clock |\n", what, count / cpuSeconds,
                  count / wallSeconds);
}

std::string csvHeader() { return "game,seed,swapped,winner_side,turns,moves,captures,three_sixes,face1,face2,face3,face4,face5,face6\n"; }

std::string csvRow(int64_t index, uint32_t seed, bool swapped, const GameResult& r) {
    return format("%lld,%u,%d,%d,%u,%u,%u,%u,%u,%u,%u,%u,%u,%u\n", static_cast<long long>(index + 1), seed,
                  swapped ? 1 : 0, r.winnerSide + 1, r.turns, r.moves, r.captures, r.threeSixes, r.faces[0],
                  r.faces[1], r.faces[2], r.faces[3], r.faces[4], r.faces[5]);
}
