#!/usr/bin/env bash
# The shell across restarts: rendaro-cli run several times on one folder, as a person closing and
# starting the game again would, checking what each run leaves for the next.
#
# Usage: shell_cli_test.sh RENDARO_CLI
set -u
if [[ $# -ne 1 ]]; then
    echo "usage: $0 RENDARO_CLI" >&2
    exit 2
fi
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Screen points a person taps: the menu bar's buttons, the pop-ups' items, the title bar's ok, the
# Options controls, and the question's buttons.
New="screen 18 307"
View="screen 55 307"
TwoPlayerGame="screen 40 283"
OnePlayerGame="screen 40 263"
About="screen 60 263"
Options="screen 60 283"
Ok="screen 222 13"
PlaySounds="screen 74 76"
DifficultyList="screen 120 46"
Easy="screen 100 62"
# Client points: the Roll button, and colour 0's token on its start square.
Roll="tap 220 250"
FirstToken="tap 93 216"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# run FOLDER [OPTIONS...] < LINES: one rendaro-cli run on the folder; its output goes to stdout and
# any exit status but 0 is a failure.
run() {
    local folder=$work/$1
    shift
    local status
    "$cli" --dir "$folder" "$@"
    status=$?
    [[ $status -eq 0 ]] || fail "rendaro-cli in $(basename "$folder") exited with $status"
}

lines() { printf '%s\n' "$@"; }
records() { grep '^record '; }
saved_record() { echo "record $(xxd -p -c 248 "$work/$1/rendart")"; }

# The option bits 4..10 of the flags word in a dump line (the word is little-endian at byte 15).
options_of() {
    local hex=${1#record }
    local word=$((16#${hex:36:2}${hex:34:2}${hex:32:2}${hex:30:2}))
    printf '%#x\n' $(((word >> 4) & 0x7f))
}

# Options: "Play Sounds" unticked and "Easy" chosen, OK: both bits cleared at once and saved, the
# others untouched; after a restart the game and the open dialog are the same, and a move is silent.
changed=$(lines "$View" "$Options" "$PlaySounds" "$DifficultyList" "$Easy" "screenshot $work/changed.png" "$Ok" dump |
    run options)
[[ $(options_of "$changed") == 0x2e ]] || fail "Options OK stored options $(options_of "$changed"), expected 0x2e"
[[ $(saved_record options) == "$changed" ]] || fail "Options OK did not save the changed options"
restarted=$(lines dump "$View" "$Options" "screenshot $work/reopened.png" | run options)
[[ $restarted == "$changed" ]] || fail "the options changed were not restored after a restart"
cmp -s "$work/changed.png" "$work/reopened.png" || fail "Options after a restart do not show what OK stored"
silent=$(lines "roll 3 1 1" "$Roll" "$FirstToken" | run options --trace)
grep -q '^button 4040 on$' <<<"$silent" || fail "the move with sounds off was not played"
! grep -q '^sound ' <<<"$silent" || fail "a sound played with Play Sounds off after a restart"

# Closing the program while Options is open, with the same changes made: nothing stored or saved.
before=$(lines dump | run cancel)
lines "$View" "$Options" "$PlaySounds" "$DifficultyList" "$Easy" quit | run cancel
[[ $(saved_record cancel) == "$before" ]] || fail "Options closed without OK changed the saved game"
[[ $(lines dump | run cancel) == "$before" ]] || fail "Options closed without OK changed the restored game"

# A new game chosen and left without a tap is not saved; opening About saves it, its ok changes nothing.
chosen=$(lines "$New" "$TwoPlayerGame" dump | run unsaved)
[[ $(saved_record unsaved) != "$chosen" ]] || fail "a new game was saved before any tap"
about=$(lines "$New" "$TwoPlayerGame" "$View" "$About" dump "$Ok" dump | run about)
[[ $(records <<<"$about" | sort -u | wc -l) -eq 1 ]] || fail "closing About changed the game"
[[ $(saved_record about) == "$(records <<<"$about" | head -n 1)" ]] || fail "opening About did not save"
[[ $(lines dump | run about) == "$(records <<<"$about" | head -n 1)" ]] || fail "the game saved by About was not restored"
[[ $(records <<<"$about" | head -n 1) == "$chosen" ]] || fail "About saved another game than the one chosen"

# Message 1023: the program closes at once (the lines after it are not read) and the next start
# resumes the same game, there to be played on.
played=$(lines "roll 3 1 1" "$Roll" "$FirstToken" dump quit dump | run quit)
[[ $(records <<<"$played" | wc -l) -eq 1 ]] || fail "lines after quit were read"
[[ $(lines dump | run quit) == "$played" ]] || fail "the game was not resumed after quit"

# Closing while the question is open answers No: the game moved on is kept.
asked=$(lines "$New" "$OnePlayerGame" quit | run quit --trace)
grep -q '^ask 1602$' <<<"$asked" || fail "the moved-on game did not ask before a new one"
# The start-up's new game turns Undo off once; another new game would do it again.
[[ $(grep -c '^button 4040 off$' <<<"$asked") -eq 1 ]] || fail "closing during the question started a new game"
[[ $(lines dump | run quit) == "$played" ]] || fail "closing during the question changed the game"

# A two-player game one step from its end: colour 0 has three tokens home and the fourth on the last
# square of its home column (progress 47, square 48); its partner, colour 2, is all home; colours 1
# and 3 are in their yards. FLAGS is the flags word's four bytes as stored; KIND is colour 0's
# player (human unless given) and MOVE the pending move's five bytes (none unless given).
ending_record() {
    local flags=$1 kind=${2:-01} move=${3:-ffffffffff} body="" sum=0 i
    body+="0100""0000000000"
    # Colour 0 to roll; reserved, flags, reserved, the three counters at zero, reserved.
    body+="00000000""$flags""0000000000000000""000000000000000000000000""00000000"
    body+="$kind""3030302f""01010102""01""00000000""00000000"
    body+="01""30303030""01010101""01""00000000""00000000"
    # The yards' slot, home's slot and square 48's; the other slots free.
    body+="0008f0f0""3d07070f""30010800"
    for ((i = 3; i < 16; i++)); do body+="ff000000"; done
    body+="$move"
    for ((i = 0; i < 100; i++)); do body+="00"; done
    for ((i = 0; i < ${#body}; i += 2)); do sum=$((sum + 16#${body:i:2})); done
    printf 'record %02x%02x0000%s\n' $((sum & 255)) $((sum >> 8)) "$body"
}
seed() {
    mkdir -p "$work/$1"
    xxd -r -p <<<"${2#record }" >"$work/$1/rendart"
}

# The last token's last step: its click, "WVH" as it arrives, "WVO" as the game ends, in that order.
ending=$(ending_record f0060800)
seed ending "$ending"
finished=$(lines dump "roll 1" "$Roll" message dump | run ending --trace)
[[ $(records <<<"$finished" | head -n 1) == "$ending" ]] || fail "the game near its end was not restored"
[[ $(grep '^sound ' <<<"$finished" | tr '\n' ' ') == "sound WVM sound WVH sound WVO " ]] ||
    fail "the last move's cues were: $(grep '^sound ' <<<"$finished" | tr '\n' ' ')"
grep -qx 'message Game Over\\nPlayer 1 Wins!' <<<"$finished" || fail "no result message at the end of the game"
over=$(records <<<"$finished" | tail -n 1)
# A restart shows the result again; a new game then needs no question, keeping the statistics.
restarted=$(lines message dump "$New" "$OnePlayerGame" dump | run ending --trace)
grep -qx 'message Game Over\\nPlayer 1 Wins!' <<<"$restarted" || fail "the ended game's result was not shown after a restart"
[[ $(records <<<"$restarted" | head -n 1) == "$over" ]] || fail "the ended game was not restored"
! grep -q '^ask ' <<<"$restarted" || fail "a new game after the end asked first"
fresh=$(records <<<"$restarted" | tail -n 1)
# Bytes 17 (the flags word's third: bits 19 and 20) and 27..30 (games played) after "record ".
[[ ${fresh:41:2} == 18 && ${fresh:61:8} == "${over:61:8}" && ${over:61:8} == 01000000 ]] ||
    fail "the new game after the end is not a one-player game with one game played"

# After a restart the message fits the moment restored; a fresh start and a refused record ask for a roll.
restored_message() {
    local shown
    shown=$(lines message | run "$1")
    [[ $shown == "message $2" ]] || fail "$1: a restart shows \"$shown\""
}
mkdir -p "$work/refused" && echo damaged >"$work/refused/rendart"
restored_message fresh 'Tap the Roll button\nto roll the die'
restored_message refused 'Tap the Roll button\nto roll the die'
while read -r name kind flags move text; do
    seed "$name" "$(ending_record "$flags" "$kind" "$move")"
    restored_message "$name" "$text"
done <<'ROWS'
computer-rolls 02 f1060800 ffffffffff Computer rolling die
six-rolled     01 f0760800 ffffffffff Six!\nRoll again
one-die-left   01 f30e0800 00ffffffff Tap a token to play
two-dice-left  01 f34e0800 00ffffffff Tap a token to play\nor select a die
ROWS

# The same step with "Play Sounds" off: no cue at all.
seed quiet "$(ending_record e0060800)"
quiet=$(lines "roll 1" "$Roll" message | run quiet --trace)
grep -qx 'message Game Over\\nPlayer 1 Wins!' <<<"$quiet" || fail "the quiet game did not end"
! grep -q '^sound ' <<<"$quiet" || fail "cues played with Play Sounds off: $(grep '^sound ' <<<"$quiet" | tr '\n' ' ')"

# A token to pick after a restart: the keyboard's ring finds the movable tokens again and Enter plays one.
picking=$(lines "roll 6 3" "$Roll" "$Roll" dump | run keys | records)
[[ $(lines "key tab" "key enter" dump | run keys | records) != "$picking" ]] || fail "no token was played by keys after a restart"

# The driver's own command line, and saves it cannot write: one line on stderr, then play goes on.
"$cli" --help </dev/null | grep -q '^usage: rendaro-cli ' || fail "--help printed no usage"
[[ $("$cli" --colour 2>&1 </dev/null) == *"unknown option --colour "* ]] || fail "an unknown option was not named"
mkdir -p "$work/blocked/rendart"
played=$(lines "roll 3" "$Roll" "roll 5" "$Roll" dump | run blocked 2>"$work/blocked.err")
[[ $(wc -l <"$work/blocked.err") -eq 1 && $(grep -c '^record ' <<<"$played") -eq 1 ]] ||
    fail "unwritable saves were told as: $(cat "$work/blocked.err")"

if [[ $failures -ne 0 ]]; then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "shell across restarts: all passed"
