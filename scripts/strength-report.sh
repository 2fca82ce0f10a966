#!/usr/bin/env bash
# Writes docs/strength.md and its two charts from rendaro-sim runs: every match-up of Easy and Normal,
# and Hard against each of them from both seats, in both kinds of game, and a million rolls of the dice.
#
# Usage: strength-report.sh RENDARO_SIM [GAMES] [HARD_GAMES]
# HARD_GAMES (GAMES unless given) is the size of Hard's match-ups, which take far longer to play.
set -eu
sim=$(realpath "$1")
games=${2:-10000}
hardGames=${3:-$games}
seed=2026
checkGames=100
jobs=$(nproc)
cd "$(dirname "$0")/.."
out=docs/strength.md
matchups=("normal,easy" "easy,normal" "easy,easy" "normal,normal" "hard,normal" "normal,hard" "hard,easy" "easy,hard")
titles=("Normal against Easy, Normal moving first" "Normal against Easy, Easy moving first"
        "Easy against Easy" "Normal against Normal"
        "Hard against Normal, Hard moving first" "Hard against Normal, Normal moving first"
        "Hard against Easy, Hard moving first" "Hard against Easy, Easy moving first")
# Games of a match-up: Hard's take longer.
gamesOf() { [[ $1 == *hard* ]] && echo "$hardGames" || echo "$games"; }

# A run's output as it goes into the report: everything but the speed, which differs run to run.
table() { "$sim" "$@" | grep -v ' per second |'; }

# The match-ups' tables; each run also adds its row to the summary.
summary=$(mktemp)
body=$(mktemp)
trap 'rm -f "$summary" "$body"' EXIT
{
    for mode in partners short; do
        echo
        echo "## ${mode^} games"
        for i in "${!matchups[@]}"; do
            args=(--games "$(gamesOf "${matchups[$i]}")" --seed "$seed" --mode "$mode" --sides "${matchups[$i]}")
            echo
            echo "### ${titles[$i]}"
            echo
            echo "\`rendaro-sim ${args[*]}\`"
            echo
            result=$(table "${args[@]}" --jobs "$jobs" $([[ $i == 0 ]] && echo --plot "docs/strength-$mode.png") | tail -n +3)
            echo "$result"
            wins=$(grep -o '^| side [12] ([a-z]*) wins | [0-9]* ([0-9.]*%, 95% interval [0-9.]*%–[0-9.]*%)' <<<"$result" |
                   sed 's/^| side [12] (\([a-z]*\)) wins | [0-9]* (\([0-9.]*%\), 95% interval \(.*\))/\1 \2 (\3)/' | paste -sd '|')
            echo "| $mode | ${titles[$i]} | ${wins%%|*} | ${wins#*|} |" >> "$summary"
        done
        echo
        echo "![Wins per side and die faces, Normal against Easy, $mode games](strength-$mode.png)"
    done
    echo
    echo "## A million rolls of the dice"
    echo
    echo "\`rendaro-sim --rolls 1000000 --seed $seed\`"
    echo
    table --rolls 1000000 --seed "$seed" | tail -n +3
    echo
    echo "## The first $checkGames games of each match-up"
    echo
    echo "The tests play these again and compare, so this report cannot drift from what the game does."
    for mode in partners short; do
        for sides in "${matchups[@]}"; do
            args="--games $checkGames --seed $seed --mode $mode --sides $sides"
            echo
            echo "<!-- check: $args -->"
            table $args
            echo "<!-- end -->"
        done
    done
} > "$body"

{
    echo "# How strong is the computer, and are the dice fair?"
    echo
    echo "Every figure here comes from \`rendaro-sim\`, which plays computer-only games with the game's own"
    echo "turn controller, move rating and dice, at full speed and without a screen. In partners games"
    echo "side 1 is red and yellow against blue and green; in short games it is red against yellow. Side 1"
    echo "always moves first, so swapping the difficulties shows what moving first is worth."
    echo "Each match-up plays $games games$([[ $hardGames != "$games" ]] && echo " ($hardGames for Hard's)") from seed $seed (game *i* uses seed $seed + *i*), so every"
    echo "match-up sees the same dice generator seeds. Anyone can repeat a run with the command above its table."
    echo
    echo "Written by \`make report\` with $("$sim" --games 1 --seed 0 | head -1 | cut -d, -f1)."
    echo
    echo "## In short"
    echo
    echo "| game | match-up | side 1 wins (95% interval) | side 2 wins (95% interval) |"
    echo "|---|---|---|---|"
    cat "$summary"
    cat "$body"
} > "$out.part"
mv "$out.part" "$out"
echo "wrote $out"
