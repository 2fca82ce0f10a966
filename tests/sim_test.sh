#!/usr/bin/env bash
# rendaro-sim: the same seed gives the same table in one process or several, rendaro-cli replays its
# games to the same final record, bad input fails cleanly, and the committed report is still true.
#
# Usage: sim_test.sh RENDARO_SIM RENDARO_CLI [REPORT.md]
set -u
sim=$(realpath "$1") cli=$(realpath "$2") report=${3:+$(realpath "$3")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
table() { "$sim" "$@" | grep -v ' per second |'; }

for args in "--games 40 --seed 9 --sides normal,easy --swap" "--games 40 --seed 3 --mode short --quick-start on" \
            "--games 20 --seed 5 --mode short --sides hard,normal --swap"; do
    table $args > one.md
    table $args --jobs 3 --csv games.csv > three.md
    cmp -s one.md three.md || fail "--jobs 3 changes the table of $args"
    [[ $(wc -l < games.csv) -eq $(($(grep -o '^| games | [0-9]*' one.md | cut -d' ' -f4) + 1)) ]] || fail "csv rows of $args"
done

for args in "--seed 11" "--seed 12 --sides easy,easy" "--seed 13 --mode short --quick-start on" "--seed 14 --sides hard,hard"; do
    rm -rf replay && mkdir replay && "$sim" $args --dump replay > replay.cli || fail "--dump $args"
    "$cli" --dir replay < replay.cli | grep '^record' > got
    grep '^# expect ' replay.cli | cut -c10- | cmp -s - got || fail "rendaro-cli ends $args differently"
done

while IFS='|' read -r args problem; do
    "$sim" $args > out 2> err
    status=$?
    [[ $status -eq 2 && $(wc -l < err) -eq 1 && ! -s out ]] && grep -q -- "$problem" err || fail "$args: exit $status, $(cat err)"
done <<'BAD'
--games 0|--games
--games -4|--games
--games 1000001|--games
--seed 4294967296|--seed
--jobs 99|--jobs
--mode long|--mode
--sides normal|--sides
--sides hard,expert|--sides
--hard-weights 1,2,3|--hard-weights
--hard-weights 1,2,3,4,5,6,7,8,9|--hard-weights
--hard-weights 1,2,3,4,5,6,7,x|--hard-weights
--quick-start yes|--quick-start
--swap=1|--swap
--tempo 3|unknown option --tempo
--games|needs a value
--games 2 --csv nowhere/games.csv|--csv nowhere/games.csv
--games 2 --plot nowhere/chart.png|--plot nowhere/chart.png
--games 2 --csv games.csv --plot nowhere/chart.png|--plot
BAD
[[ -z $(ls | grep -v -x -e out -e err -e one.md -e three.md -e games.csv -e replay -e replay.cli -e got) ]] ||
    fail "left behind: $(ls)"

[[ -z $report ]] && exit $((failures > 0))
grep '^<!-- check: ' "$report" | sed 's/^<!-- check: \(.*\) -->$/\1/' > checks
[[ -s checks ]] || fail "the report has no checks"
while read -r args; do
    sed -n "/^<!-- check: $args -->\$/,/^<!-- end -->\$/p" "$report" | sed '1d;$d' > want
    table $args | cmp -s - want || fail "the report's $args is stale"
done < checks
exit $((failures > 0))
