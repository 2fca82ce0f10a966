#!/usr/bin/env bash
# The desktop window's sizes on a virtual X display with a window manager: the size keys step it by
# whole multiples of the screen, F11 fills the display with the screen centred on black, and the
# window comes back at the size it was closed at, or at the largest that fits a smaller display.
#
# Usage: window_sizes_test.sh RENDARO RENDARO_CLI
set -euo pipefail
source "$(dirname "$0")/x_session.sh"
take_programs "$@"
command -v evilwm >/dev/null || fail "missing tool: evilwm (scripts/install-deps.sh lists what the tests need)"

# Room for four times the screen (960 x 1280), not five.
DisplaySize=1600x1400
start_session

# Full-screen requests go through the window manager; its own font is the server's one.
start_window_manager() {
    evilwm -fn fixed >"$work/wm.log" 2>&1 &
    wm_pid=$!
}
start_window_manager

window_geometry() { xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p'; }
geometry_is() { [[ $(window_geometry) == "$1" ]]; }
await_geometry() { poll geometry_is "$1" || fail "$2: the window is $(window_geometry), not $1"; }

# key KEYS EXPECTED: the keys go to the window, which must take the expected size.
key() {
    xdotool key --window "$window" "$1"
    await_geometry "$2" "$1"
}

headless start
start_program
await_geometry 480x640 "a first start"
key ctrl+plus 720x960
key ctrl+equal 960x1280
key ctrl+plus 960x1280     # a fifth would not fit
key ctrl+minus 720x960
key ctrl+0 480x640
key ctrl+minus 240x320
key ctrl+minus 240x320     # never below the screen itself
key ctrl+plus 480x640
key ctrl+plus 720x960
key ctrl+plus 960x1280

# Full screen: the screen four times over in the middle of the display, black all round it.
key F11 1600x1400
screen_and_border_shown() {
    import -silent -window "$window" -depth 8 "$work/full.png" 2>/dev/null &&
        convert "$work/full.png" -crop 960x1280+320+60 +repage -depth 8 "rgb:$work/full.screen.rgb" &&
        convert "$work/start.cli.png" -sample 400% -depth 8 "rgb:$work/start.x4.rgb" &&
        same_picture "$work/full.screen.rgb" "$work/start.x4.rgb" &&
        [[ $(convert "$work/full.png" -fill black -draw "rectangle 320,60 1279,1339" -format '%[fx:maxima]' info:) == 0 ]]
}
poll screen_and_border_shown || fail "full screen does not show the screen four times over, centred on black (see $work/full.png)"
key F11 960x1280

# Closed full screen, it comes back full screen; F11 then gives back the window it had.
key F11 1600x1400
stop_program
start_program
await_geometry 1600x1400 "a start after closing full screen"
key F11 960x1280
stop_program
# Kept beside the settings, as text a person can read.
grep -q '960x1280' "$work/config/Calverin/RendaroWindow" || fail "no size kept beside the settings"
start_program
await_geometry 960x1280 "a start after closing at four times"
stop_program

# A smaller display: the kept size does not fit, so the window opens at the largest multiple that does.
kill -TERM "$wm_pid" "$xvfb_pid"
wait "$wm_pid" "$xvfb_pid" 2>/dev/null || true
wm_pid="" xvfb_pid=""
rm -f "/tmp/.X${DISPLAY#:}-lock" "/tmp/.X11-unix/X${DISPLAY#:}"
DisplaySize=1024x768
start_display
start_window_manager
start_program
await_geometry 480x640 "a start on a display too small for the kept size"
stop_program
echo "PASS"
