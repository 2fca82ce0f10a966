#!/usr/bin/env bash
# The desktop program played as a person would, on a virtual X display: its screens equal
# rendaro-cli's pictures of the same states, Options OK saves, Roll rolls, a restart resumes, and the
# program leaves at once when closed or when the display goes away.
#
# Usage: desktop_test.sh RENDARO RENDARO_CLI
set -euo pipefail
source "$(dirname "$0")/x_session.sh"
take_programs "$@"

# Device screen points a person taps: View and its Options entry on the menu bar, the "Play Sounds"
# box and the title bar's ok in the dialog, the Roll button.
View=(55 307)
Options=(60 283)
PlaySounds=(74 76)
Ok=(221 14)
Roll=(220 281)
# The dice area below the board (client x 1..79, y 242..267) as the window shows it.
DiceArea="$(( 79 * Scale ))x$(( 26 * Scale ))+$(( 1 * Scale ))+$(( 268 * Scale ))"

dice_area_changed() {
    capture "$work/roll.window.rgb" && edit_picture "$work/roll.window.rgb" "$work/roll.dice.rgb" -crop "$DiceArea" &&
        ! same_picture "$work/roll.dice.rgb" "$work/before-roll.dice.rgb"
}

# The roll is played out and the game waits for a person again: to pick a token, or to roll once
# the computer has played its colours.
rolled_and_back_to_person() { [[ $(saved_hex) != "$(cat "$work/saved_options.record")" ]] && person_to_play; }

resumed_window_shows() { capture "$work/resumed.window.rgb" && same_picture "$work/resumed.window.rgb" "$work/before-close.rgb"; }

help_opened() { [[ $(cat "$work/home/opened" 2>/dev/null) == "$work/prefix/share/rendaro/rendaro.html" ]]; }

settled_window() {
    capture "$work/settle.a.rgb" && sleep 0.3 && capture "$work/settle.b.rgb" &&
        same_picture "$work/settle.a.rgb" "$work/settle.b.rgb"
}

start_session

# What rendaro-cli shows and saves for the same taps at the same screen points.
headless start
headless options "screen ${View[*]}" "screen ${Options[*]}"
headless saved_options "screen ${View[*]}" "screen ${Options[*]}" "screen ${PlaySounds[*]}" "screen ${Ok[*]}"
[[ $(cat "$work/start.record") != $(cat "$work/saved_options.record") ]] ||
    fail "unticking Play Sounds left the record unchanged"

start_program
await_screen start
first_frame_ms=$(( ($(now_us) - started_us) / 1000 ))
mapped_ms=$(( (mapped_us - started_us) / 1000 ))
# A fresh start saves its new game at once.
await_saved start

click "${View[@]}"
click "${Options[@]}"
await_screen options

click "${PlaySounds[@]}"
click "${Ok[@]}"
await_saved saved_options
cmp -s "$work/config/Calverin/Rendaro" "$work/cli-saved_options/Calverin/Rendaro" ||
    fail "the settings store's copy differs from rendaro-cli's"
await_screen saved_options

edit_picture "$work/saved_options.window.rgb" "$work/before-roll.dice.rgb" -crop "$DiceArea"
click "${Roll[@]}"
poll dice_area_changed || fail_showing "Roll did not change the dice area" saved_options.window roll.window

poll rolled_and_back_to_person || fail "the game did not come back to the person"
poll settled_window || fail "the window kept changing while the game waited for a person"
cp "$work/settle.b.rgb" "$work/before-close.rgb"
cp "$saved" "$work/before-close.rendart"
cp "$work/config/Calverin/Rendaro" "$work/before-close.registry"

# The game is kept in the player's own state folder, made private to them.
[[ $(stat -c %a "$(dirname "$saved")") == 700 ]] || fail "the state folder is not private: $(stat -c %a "$(dirname "$saved")")"
# Closing saves nothing; starting again restores the same game and saves it back unchanged.
stop_program
cmp -s "$saved" "$work/before-close.rendart" || fail "closing the window rewrote the saved game"
start_program
poll resumed_window_shows ||
    fail_showing "the restarted program does not show the game it was closed on" before-close resumed.window
cmp -s "$saved" "$work/before-close.rendart" && cmp -s "$work/config/Calverin/Rendaro" "$work/before-close.registry" ||
    fail "the restart changed the saved game"
# F1 opens the help page installed beside the program's folder.
xdotool key --window "$window" F1
poll help_opened || fail "Help opened '$(cat "$work/home/opened" 2>/dev/null)', not the installed page"
stop_program

# rendaro-cli given the same two copies draws the resumed game, message included, the same way.
mkdir -p "$work/cli-restored/Calverin"
cp "$saved" "$work/cli-restored/rendart"
cp "$work/config/Calverin/Rendaro" "$work/cli-restored/Calverin/Rendaro"
cli_dir="$work/cli-restored" headless restored
same_picture "$work/restored.expected.rgb" "$work/resumed.window.rgb" ||
    fail_showing "rendaro-cli draws the restored game differently from the desktop program" restored.expected resumed.window

# The start's record with colour 0 given to the computer, about to roll: once tapped, the computer
# plays on by itself, animating. The settings copy is removed, so the file alone is restored.
computer_alone() {
    local record sum=0 i
    record=$(cat "$work/start.record")
    record="${record:0:31}1${record:32:$(( 2 * KindsAt - 32 ))}02${record:$(( 2 * KindsAt + 2 ))}"
    for ((i = 8; i < 2 * RecordSize; i += 2)); do sum=$(( sum + 16#${record:i:2} )); done
    printf '%02x%02x%02x%02x%s' $(( sum & 255 )) $(( sum >> 8 & 255 )) $(( sum >> 16 & 255 )) 0 "${record:8}" |
        xxd -r -p >"$saved"
    seeded=$(saved_hex)
    rm -f "$work/config/Calverin/Rendaro"
    start_program
    poll settled_window || fail "the seeded game never settled"
    cp "$work/settle.b.rgb" "$work/seeded.rgb"
    click 120 120
    poll turn_under_way || fail "the computer's turn did not start"
}
turn_under_way() { capture "$work/busy.rgb" && ! same_picture "$work/busy.rgb" "$work/seeded.rgb"; }

# The record left is whole: rendaro-cli restores it and saves it back byte for byte.
saved_whole() {
    rm -rf "$work/cli-left" && mkdir -p "$work/cli-left" && cp "$saved" "$work/cli-left/rendart"
    cli_dir="$work/cli-left" headless left
    [[ $(saved_hex) == "$(cat "$work/left.record")" ]] || fail "$1 left a record the game refuses"
}

# A close during the computer's animations finishes the tap under way at once, saves it, and leaves.
computer_alone
stop_program
close_ms=$ended_ms
[[ $(saved_hex) != "$seeded" ]] || fail "the tap under way when closing was not saved"
saved_whole "closing during the computer's turn"
# The display going away, during the computer's animations and then while idle: gone within a second.
for moment in busy idle; do
    [[ $moment == busy ]] && computer_alone || start_program
    end_program 1 kill -KILL "$xvfb_pid"
    xvfb_pid=""
    (( ended_ms < 1000 )) || fail "the program took $ended_ms ms to leave a lost display ($moment)"
    saved_whole "losing the display ($moment)"
    # A killed server leaves its lock and socket behind, and the next one may be given the same number.
    rm -f "/tmp/.X${DISPLAY#:}-lock" "/tmp/.X11-unix/X${DISPLAY#:}"
    start_display
done

echo "closed during the computer's turn after $close_ms ms"
echo "first start: window mapped after $mapped_ms ms, start screen seen after $first_frame_ms ms"
echo "PASS"
