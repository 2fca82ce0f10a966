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

if [[ $failures -ne 0 ]]; then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "shell across restarts: all passed"
