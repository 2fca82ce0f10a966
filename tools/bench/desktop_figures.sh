#!/usr/bin/env bash
# Measures the desktop program on a virtual X display: time to the first frame, resident memory
# while playing, CPU use while idle and while the computer plays its colours.
#
# Usage: desktop_figures.sh RENDARO RENDARO_CLI [IDLE_SECONDS]
set -euo pipefail
if [[ $# -lt 2 ]]; then
    echo "usage: $0 RENDARO RENDARO_CLI [IDLE_SECONDS]" >&2
    exit 2
fi
program=$(realpath "$1")
cli=$(realpath "$2")
idle_seconds=${3:-10}
source "$(dirname "$0")/../../tests/e2e/x_session.sh"

Roll=(220 281)
# Where a new game's red token stands on its start square.
RedStartToken=(93 242)
Computer=2
# Turn states.
AwaitRoll=0
PickToken=3
# Three sixes end a turn, so the fourth roll is never red's.
RedRollsAtMost=3

ticks_per_second=$(getconf CLK_TCK)

# User plus system CPU time of the program so far, in clock ticks.
cpu_ticks() {
    local fields
    read -r -a fields <"/proc/$program_pid/stat"
    echo $(( fields[13] + fields[14] ))
}

percent() { echo "$(( 100 * $1 / ($2 * ticks_per_second / 1000) ))%"; }

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status"; }

saved_changed_from() { [[ $(saved_hex) != "$1" ]]; }

computer_to_play() { [[ $(saved_turn) == "$Computer "* ]]; }

# The computer's turn, or red's again after a six.
red_done() { computer_to_play || [[ $(saved_turn) == "$Human $AwaitRoll" ]]; }

# Built beside rendaro-cli; loaded into the program, it logs when the first frame is on the screen.
first_frame_library=$(dirname "$cli")/librendaro-first-frame.so
[[ -r $first_frame_library ]] || fail "missing $first_frame_library: build the rendaro-first-frame target"
StartsTimed=7

told_first_frame() { grep -q '^first frame' "$work/program.log"; }

# Milliseconds from the start to the first frame, each start on its own with nothing polling it.
time_first_frames() {
    local start
    preload=$first_frame_library
    for (( start = 0; start < StartsTimed; ++start )); do
        : >"$work/program.log"
        start_program --no-wait
        poll told_first_frame || fail "the program did not tell its first frame: $(cat "$work/program.log")"
        sed -n 's/^first frame \([0-9.]*\) ms.*/\1/p' "$work/program.log"
        stop_program
    done
    preload=""
}

start_session
headless start
# In this shell, not a command substitution, so that a failing start ends the script.
time_first_frames >"$work/first-frames"
frames=$(sort -n "$work/first-frames")
echo "first frame after $(sed -n "$(( StartsTimed / 2 + 1 ))p" <<<"$frames") ms (median of $StartsTimed starts:" \
    "$(tr '\n' ' ' <<<"$frames" | sed 's/ $//'))"
start_program
await_screen start
echo "window mapped $(( (mapped_us - started_us) / 1000 )) ms after the start;" \
    "start screen captured after $(( ($(now_us) - started_us) / 1000 )) ms;" \
    "$(( $(cpu_ticks) * 1000 / ticks_per_second )) ms of CPU by then"

# Red rolls until its turn ends: a move still waits for the token to be tapped, and a six rolls again.
rolls=0
until computer_to_play; do
    (( ++rolls <= RedRollsAtMost )) || fail "red rolled $RedRollsAtMost times without its turn ending"
    record=$(saved_hex)
    click "${Roll[@]}"
    poll saved_changed_from "$record" || fail "Roll did not roll"
    [[ $(saved_turn) == "$Human $PickToken" ]] && click "${RedStartToken[@]}"
    poll red_done || fail "red's move did not end"
done
echo "resident memory while playing: $(rss_kib) KiB"

turn_start_us=$(now_us)
turn_start_ticks=$(cpu_ticks)
poll person_to_play || fail "the computer's colours did not hand the turn back"
turn_ms=$(( ($(now_us) - turn_start_us) / 1000 ))
turn_ticks=$(( $(cpu_ticks) - turn_start_ticks ))
echo "computer's colours: $turn_ms ms, $(( turn_ticks * 1000 / ticks_per_second )) ms of CPU" \
    "($(percent "$turn_ticks" "$turn_ms"))"
echo "resident memory after the computer's turn: $(rss_kib) KiB"

idle_start_ticks=$(cpu_ticks)
sleep "$idle_seconds"
idle_ticks=$(( $(cpu_ticks) - idle_start_ticks ))
echo "idle for $idle_seconds s: $(( idle_ticks * 1000 / ticks_per_second )) ms of CPU" \
    "($(percent "$idle_ticks" $(( idle_seconds * 1000 ))))"
stop_program
