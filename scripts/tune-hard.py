#!/usr/bin/env python3
"""Tunes the Hard computer's weights by self-play against Normal, and writes ai/hard_weights.h.

A coordinate search: each weight in turn is nudged up, then down; a nudge that wins more games is
kept, and a weight that no nudge improves gets a smaller step. Every candidate plays the same games
(fixed seeds, each seed twice with the seats swapped, partners and short games), so the search is
deterministic: run again, it finds the same weights. Each candidate's result is logged to
tools/tune/hard-tuning.csv, the data the committed weights come from; ai/hard_weights.h names the
command that made them. That run started where an earlier, longer one (three rounds from START,
stopped in its second; tools/tune/hard-tuning-first-run.csv) had got to, before Hard's moves came
from the position functions' list, so the earlier log's figures differ a little from today's play.

Usage: tune-hard.py RENDARO_SIM [--rounds R] [--partners N] [--short N] [--start W,W,...] [--log FILE.csv]
"""
import argparse
import csv
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FEATURES = ["progress", "out", "in column", "home", "exposed steps", "exposed", "runner exposure", "blocks"]
START = [4, 48, 24, 12, -4, -48, -1, 4]
STEPS = [2, 16, 8, 8, 2, 16, 1, 4]
SEED = 100000  # away from the report's seeds, so the report measures games the tuning never saw
WINS = re.compile(r"^\| side 1 \(hard\) wins \| (\d+) ")


def hard_wins(sim, mode, games, weights):
    """Games Hard won as side 1 against Normal, seats swapped for every seed."""
    args = [sim, "--games", str(games), "--seed", str(SEED), "--mode", mode, "--sides", "hard,normal", "--swap",
            "--jobs", "1", "--hard-weights", ",".join(map(str, weights))]
    out = subprocess.run(args, check=True, capture_output=True, text=True).stdout
    return next(int(m.group(1)) for m in map(WINS.match, out.splitlines()) if m)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("sim")
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--partners", type=int, default=300, help="seeds of partners games per candidate")
    parser.add_argument("--short", type=int, default=1000, help="seeds of short games per candidate")
    parser.add_argument("--start", default=",".join(map(str, START)))
    parser.add_argument("--log", default="tools/tune/hard-tuning.csv", help="relative to the source folder")
    options = parser.parse_args()
    sim = os.path.abspath(options.sim)
    log_path = os.path.join(ROOT, options.log)
    os.makedirs(os.path.dirname(log_path), exist_ok=True)
    seen = {}

    with open(log_path, "w", newline="") as log_file:
        log = csv.writer(log_file)
        log.writerow(["round", "nudged", "weights", "partners games", "partners wins", "short games", "short wins",
                      "score", "kept"])

        def score(weights):
            key = tuple(weights)
            if key not in seen:
                p = hard_wins(sim, "partners", options.partners, weights)
                s = hard_wins(sim, "short", options.short, weights)
                # The mean of the two win rates: both kinds of game count alike.
                seen[key] = (p, s, (p / (2 * options.partners) + s / (2 * options.short)) / 2)
            return seen[key][2]

        def record(round_, nudged, weights, kept):
            p, s, value = seen[tuple(weights)]
            log.writerow([round_, nudged, " ".join(map(str, weights)), 2 * options.partners, p, 2 * options.short, s,
                          f"{value:.4f}", "yes" if kept else "no"])
            log_file.flush()
            print(f"round {round_} {nudged:>20} {weights} partners {p}/{2 * options.partners} "
                  f"short {s}/{2 * options.short} score {value:.4f}{' kept' if kept else ''}", file=sys.stderr)

        best = [int(w) for w in options.start.split(",")]
        steps = list(STEPS)
        score(best)
        record(0, "start", best, True)
        for round_ in range(1, options.rounds + 1):
            for k, name in enumerate(FEATURES):
                improved = False
                for direction in (1, -1):
                    candidate = list(best)
                    candidate[k] += direction * steps[k]
                    kept = score(candidate) > score(best)
                    record(round_, f"{name} {'+' if direction > 0 else '-'}{steps[k]}", candidate, kept)
                    if kept:
                        best, improved = candidate, True
                        break
                if not improved:
                    steps[k] = max(1, steps[k] // 2)

    with open(os.path.join(ROOT, "ai/hard_weights.h"), "w") as header:
        header.write("// The Hard computer's weights as scripts/tune-hard.py last found them (tools/tune/hard-tuning.csv).\n")
        header.write("#pragma once\n#include <cstdint>\n\n")
        header.write(f"// Made by: {' '.join(['scripts/tune-hard.py', 'RENDARO_SIM'] + sys.argv[2:])}\n")
        header.write("// One weight per HardFeature of ai/hard.h, in its order.\n")
        header.write(f"constexpr int32_t TunedHardWeights[] = {{{', '.join(map(str, best))}}};\n")
    print("weights:", ",".join(map(str, best)))


if __name__ == "__main__":
    main()
