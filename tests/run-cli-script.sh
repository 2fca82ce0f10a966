#!/usr/bin/env bash
# Feeds a script to rendaro-cli and compares its output with the expected one beside it.
#
# Usage: run-cli-script.sh RENDARO_CLI DIR/NAME.cli
# A first line "# args: OPTIONS" adds options after --dir; a line "# exit: N" gives the expected exit
# status (0 when absent). DIR/NAME.out holds the expected standard output; DIR/NAME.err, when present,
# the expected standard error, which must otherwise be empty. Each run gets a new folder of its own,
# also its working folder, removed afterwards.
set -u

if [[ $# -ne 2 ]]; then
    echo "usage: $0 RENDARO_CLI SCRIPT.cli" >&2
    exit 2
fi
cli=$(realpath "$1")
script=$(realpath "$2")
base=${script%.cli}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

args=()
first=$(head -n 1 "$script")
if [[ $first == "# args:"* ]]; then
    read -r -a args <<< "${first#"# args:"}"
fi
expected_status=$(sed -n 's/^# exit: *\([0-9][0-9]*\) *$/\1/p' "$script" | head -n 1)
expected_status=${expected_status:-0}

(cd "$work" && timeout 300 "$cli" --dir "$work/game" "${args[@]}" <"$script" >"$work/stdout" 2>"$work/stderr")
status=$?

# RENDARO_UPDATE_GOLDEN=1 takes what the program printed as the new expected output.
[[ ${RENDARO_UPDATE_GOLDEN:-} == 1 ]] && cp "$work/stdout" "$base.out"
failed=0
if ! diff -u --label "$(basename "$base").out" --label "stdout" "$base.out" "$work/stdout"; then
    failed=1
fi
if [[ -f $base.err ]]; then
    diff -u --label "$(basename "$base").err" --label "stderr" "$base.err" "$work/stderr" || failed=1
elif [[ -s $work/stderr ]]; then
    echo "unexpected standard error:" >&2
    cat "$work/stderr" >&2
    failed=1
fi
if [[ $status -ne $expected_status ]]; then
    echo "exit status $status, expected $expected_status" >&2
    failed=1
fi
if [[ $failed -ne 0 ]]; then
    echo "FAIL: $(basename "$script")" >&2
fi
exit "$failed"
