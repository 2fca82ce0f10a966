# Shared by the desktop scripts: a private X display, the program installed into a read-only prefix
# and run as an ordinary user with a home of its own, window captures, clicks at device coordinates,
# and rendaro-cli's pictures and records.
#
# The sourcing script sets `program` (in its build folder) and `cli` (absolute paths), or has
# take_programs set them from its arguments, and calls start_session first.

Scale=2                   # the window shows the device screen at twice its size
StepSeconds=20            # the longest any one awaited change may take (a loaded CI machine included)
RecordSize=248            # the saved game's record, kept in the user's state folder

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

now_us() { echo "${EPOCHREALTIME/./}"; }

# Runs the command until it succeeds, at most StepSeconds.
poll() {
    local end=$(( $(now_us) + StepSeconds * 1000000 ))
    until "$@"; do
        (( $(now_us) < end )) || return 1
        sleep 0.05
    done
}

require_tools() {
    local tool
    for tool in Xvfb xdotool import compare convert cmp od setpriv; do
        command -v "$tool" >/dev/null || fail "missing tool: $tool (scripts/install-deps.sh lists what the tests need)"
    done
}

# take_programs "$@": `program` and `cli` from a test's two arguments, RENDARO and RENDARO_CLI.
take_programs() {
    if [[ $# -ne 2 ]]; then
        echo "usage: $0 RENDARO RENDARO_CLI" >&2
        exit 2
    fi
    program=$(realpath "$1")
    cli=$(realpath "$2")
}

xvfb_pid=""
program_pid=""
wm_pid=""

# Ends only what this script started; the work folder is kept when something failed.
end_session() {
    local status=$?
    [[ -n $program_pid ]] && kill -KILL "$program_pid" 2>/dev/null
    [[ -n $wm_pid ]] && kill -TERM "$wm_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill -TERM "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    if [[ $status -eq 0 ]]; then
        chmod -R u+w "$work"
        rm -rf "$work"
    else
        echo "pictures, logs and saved games kept in $work" >&2
    fi
}

display_named() { [[ -s $work/display ]]; }

# An X server on the first free display number, of DisplaySize (1024x768 unless set).
start_display() {
    Xvfb -displayfd 3 -screen 0 "${DisplaySize:-1024x768}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    poll display_named || fail "Xvfb named no display: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$work/display")"
}

# Root plays as nobody: an ordinary user who cannot write the installed copy.
as_player=()
[[ $(id -u) -eq 0 ]] && as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

# A fresh work folder, the build installed into a prefix nobody may write, the player's folders.
start_session() {
    require_tools
    work=$(mktemp -d "${TMPDIR:-/tmp}/rendaro-e2e.XXXXXX")
    trap end_session EXIT
    start_display
    cmake --install "$(dirname "$program")" --prefix "$work/prefix" >"$work/install.log" || fail "cmake --install failed"
    chmod -R a-w "$work/prefix"
    mkdir -p "$work/home" "$work/config" "$work/runtime" "$work/opener"
    # A stand-in for the desktop's opener writes down the page Help asks for.
    printf '#!/bin/sh\necho "$1" >"$HOME/opened"\n' >"$work/opener/xdg-open"
    chmod 755 "$work/opener" "$work/opener/xdg-open"
    chmod 755 "$work"
    chmod 700 "$work/home" "$work/config" "$work/runtime"
    [[ ${#as_player[@]} -eq 0 ]] || chown nobody:nogroup "$work/home" "$work/config" "$work/runtime"
    saved="$work/home/.local/state/rendaro/rendart"
}

# Starts the installed copy as the player, with the session's own settings and runtime folders and
# the game kept in the home's default state folder, and waits for its window; `window` names it,
# `started_us` is when the program was started. A `preload` library is loaded into it and told the
# time of the program's own start, taken by the shell that then becomes the program, so that the
# programs starting it (setpriv, env) are not counted; with --no-wait the window is not looked for,
# so that nothing else competes for the CPU.
start_program() {
    local timed=()
    [[ -n ${preload:-} ]] &&
        timed=(bash -c 'export LD_PRELOAD=$1 RENDARO_STARTED_US=${EPOCHREALTIME/./}; exec "$2"' timed "$preload")
    started_us=$(now_us)
    (cd "$work/home" && exec "${as_player[@]}" env -u WAYLAND_DISPLAY -u XDG_STATE_HOME SDL_AUDIODRIVER=dummy \
        HOME="$work/home" PATH="$work/opener:$PATH" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" ASAN_OPTIONS=detect_leaks=0 \
        "${timed[@]}" "$work/prefix/games/rendaro" >>"$work/program.log" 2>&1) &
    program_pid=$!
    [[ ${1:-} == --no-wait ]] && return
    poll window_shown || fail "no window appeared: $(cat "$work/program.log")"
    mapped_us=$(now_us)
}

# xdotool's own --sync looks only twice a second.
window_shown() {
    window=$(xdotool search --onlyvisible --name '^Rendaro$' 2>/dev/null | head -n 1)
    [[ -n $window ]]
}

program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# end_program STATUS COMMAND...: the command ends the program, which must go with that status;
# `ended_ms` is how long it took.
end_program() {
    local expected=$1 status=0 asked_us
    shift
    asked_us=$(now_us)
    "$@"
    poll program_ended || fail "the program did not end after: $*"
    ended_ms=$(( ($(now_us) - asked_us) / 1000 ))
    wait "$program_pid" || status=$?
    program_pid=""
    [[ $status -eq $expected ]] || fail "the program ended with status $status after $*: $(cat "$work/program.log")"
}

# SIGTERM is message 1023: the program closes its window as the close button would, and must end
# with status 0.
stop_program() { end_program 0 kill -TERM "$program_pid"; }

# A click at device screen coordinates, where a person's pointer would be on the doubled window.
click() {
    xdotool mousemove --window "$window" $(( $1 * Scale )) $(( $2 * Scale )) click 1
}

# Pictures are kept as raw 8-bit RGB of the window's size, so comparing them is a byte compare.
WindowSize="$(( 240 * Scale ))x$(( 320 * Scale ))"
capture() { import -silent -window "$window" -depth 8 "rgb:$1" 2>/dev/null; }
same_picture() { cmp -s "$1" "$2"; }
# Draws over a part of a picture, or keeps only that part (the geometry of -crop).
edit_picture() { convert -size "$WindowSize" -depth 8 "rgb:$1" "${@:3}" -depth 8 "rgb:$2"; }
# A PNG beside a raw picture, for a person looking into a failure.
viewable() { convert -size "$WindowSize" -depth 8 "rgb:$1" "${1%.rgb}.png"; }

# The window shows exactly the expected picture; the last capture is left in NAME.window.rgb.
window_shows() {
    capture "$work/$1.window.rgb" && same_picture "$work/$1.window.rgb" "$work/$1.expected.rgb"
}

# Fails with a message, leaving a PNG beside each raw picture named after it.
fail_showing() {
    local message=$1 picture
    shift
    for picture; do viewable "$work/$picture.rgb"; done
    fail "$message (see $*)"
}

await_screen() {
    poll window_shows "$1" ||
        fail_showing "$1: the window differs from rendaro-cli's picture" "$1.window" "$1.expected"
}

# rendaro-cli in a new folder (or the one given in `cli_dir`) fed the given lines: NAME.expected.rgb
# is its picture at the end, doubled with nearest neighbours; NAME.record holds its `dump`.
headless() {
    local name=$1
    shift
    local dir=${cli_dir:-$work/cli-$name}
    { printf '%s\n' "$@"; printf 'screenshot %s\ndump\n' "$work/$name.cli.png"; } |
        "$cli" --dir "$dir" >"$work/$name.cli.out" || fail "$name: rendaro-cli failed"
    convert "$work/$name.cli.png" -sample "$(( Scale * 100 ))%" -depth 8 "rgb:$work/$name.expected.rgb"
    sed -n 's/^record //p' "$work/$name.cli.out" >"$work/$name.record"
}

# The saved game as the lowercase hex digits of `dump`.
saved_hex() { od -An -v -tx1 "$saved" | tr -d ' \n'; }

saved_matches() { [[ -f $saved && $(saved_hex) == "$(cat "$work/$1.record")" ]]; }

await_saved() {
    poll saved_matches "$1" || fail "$1: the saved game is not the record rendaro-cli makes of the same state"
}

# One byte of a record given as hex digits, as a decimal number.
record_byte() { echo $(( 16#${1:$(( 2 * $2 )):2} )); }

# Offsets in the record: the colour to play, the flags word (its low 4 bits the turn state) and the
# kind of each colour's player, 9 bytes apart.
CurrentPlayerAt=11
FlagsAt=15
KindsAt=43
Human=1

# The saved game as "KIND STATE": who plays the colour whose turn it is, and the turn state; empty
# while the file is missing. The record is read once: the program replaces the file after every tap.
saved_turn() {
    local record
    record=$(saved_hex 2>/dev/null) || return 0
    [[ ${#record} -eq $(( 2 * RecordSize )) ]] || return 0
    local kind=$(record_byte "$record" $(( KindsAt + 9 * $(record_byte "$record" "$CurrentPlayerAt") )))
    echo "$kind $(( $(record_byte "$record" "$FlagsAt") & 15 ))"
}

# The game waits for a person: to roll, to pick a token or a kind of move, or for a new game.
person_to_play() { [[ $(saved_turn) =~ ^$Human\ [034]$|\ 5$ ]]; }
