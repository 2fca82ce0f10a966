#!/usr/bin/env bash
# Feeds each transcript to rendaro-cli and compares what it printed with what is expected.
#
# Usage: run-transcripts.sh RENDARO_CLI SCRIPT.cli...
# A first line "# args: OPTIONS" adds options after --dir; a line "# exit: N" gives the expected exit
# status (0 when absent). NAME.out holds the expected standard output and NAME.err, when present, the
# expected standard error, which must otherwise be empty; a screenshot FILE.png must match
# golden/FILE.png beside the scripts' folder (RENDARO_SHOTS_BY_PIXELS=1: its pixels only, for a build
# whose PNG writer packs them otherwise). RENDARO_UPDATE_GOLDEN=1 rewrites all of them instead, which
# CI must never do.
set -u
cli=$(realpath "$1")
shift
update=${RENDARO_UPDATE_GOLDEN:-0}
by_pixels=${RENDARO_SHOTS_BY_PIXELS:-0}
if [[ $update == 1 && -n ${CI:-} ]]; then
    echo "RENDARO_UPDATE_GOLDEN is refused when CI is set" >&2
    exit 2
fi

# Compares EXPECTED with ACTUAL, or makes ACTUAL the expected one; an empty ACTUAL with no EXPECTED
# file passes (standard error is mostly empty).
expect() {
    if [[ $update == 1 ]]; then
        if [[ -s $2 || $1 == *.out ]]; then cp "$2" "$1"; else rm -f "$1"; fi
    elif [[ -f $1 ]]; then
        cmp -s "$1" "$2" || { diff -u --label "$1" --label actual "$1" "$2" | head -40; return 1; }
    elif [[ -s $2 ]]; then
        echo "unexpected output for $1:" && head -20 "$2" && return 1
    fi
}

failed=0
for script in "$@"; do
    script=$(realpath "$script")
    base=${script%.cli}
    work=$(mktemp -d)
    args=()
    first=$(head -n 1 "$script")
    [[ $first == "# args:"* ]] && read -r -a args <<< "${first#"# args:"}"
    status=$(sed -n 's/^# exit: *\([0-9][0-9]*\) *$/\1/p' "$script" | head -n 1)
    (cd "$work" && timeout 300 "$cli" --dir "$work/game" "${args[@]}" <"$script" >stdout 2>stderr)
    code=$? ok=0
    [[ $code -eq ${status:-0} ]] || { echo "exit status $code, expected ${status:-0}"; ok=1; }
    expect "$base.out" "$work/stdout" || ok=1
    expect "$base.err" "$work/stderr" || ok=1
    for shot in "$work"/*.png; do
        [[ -e $shot ]] || continue
        golden="$(dirname "$script")/../golden/$(basename "$shot")"
        if [[ $by_pixels == 1 ]]; then
            differ=$(compare -metric AE "$golden" "$shot" null: 2>&1) || true
            [[ $differ == 0 ]] || { echo "$(basename "$shot"): $differ pixels differ"; ok=1; }
        else
            expect "$golden" "$shot" || ok=1
        fi
    done
    rm -rf "$work"
    [[ $ok -eq 0 ]] || { echo "FAIL: $(basename "$script")"; failed=1; }
done
exit "$failed"
