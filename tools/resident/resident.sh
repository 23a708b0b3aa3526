#!/usr/bin/env bash
# Resident memory (VmRSS) of finwicks /s some seconds after its start, on a
# 1920x1080 Xvfb without a window manager: the first-run tank (28 fish, a
# fresh settings folder), with the names and the clock shown, and how much
# of it is ICU's libraries. With several
# executables the runs alternate between them, so load drifts touch all
# alike. Prints each run and each executable's median.
#
# usage: tools/resident/resident.sh [--display :N] [--runs N] [--seconds N] FINWICKS...
set -euo pipefail

display=:143
runs=3
seconds=6
while [[ $# -gt 0 ]]; do
    case "$1" in
    --display) display=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    -*) echo "usage: $0 [--display :N] [--runs N] [--seconds N] FINWICKS..." >&2; exit 2 ;;
    *) break ;;
    esac
done
[[ $# -gt 0 ]] || { echo "usage: $0 [--display :N] [--runs N] [--seconds N] FINWICKS..." >&2; exit 2; }
programs=()
for program in "$@"; do
    programs+=("$(realpath "$program")")
done
cd "$(dirname "$0")/../.."
source "$PWD/tests/e2e/e2e_common.sh"
e2e_start_x "${display#:}" 1920x1080

# The first-run tank, saved by a first start that is asked to end.
settings_with_names_and_clock() { # program, folder
    export XDG_CONFIG_HOME=$2
    mkdir -p "$XDG_CONFIG_HOME"
    "$1" /s >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    kill -TERM "$pid"
    wait "$pid" || true
    local ini=$XDG_CONFIG_HOME/finwicks/FINWICKS.INI
    [[ -f $ini ]] || fail "$1 saved no settings"
    # The starter fish's names begin with "*", which keeps them unshown; a
    # letter in its place shows them (the rest is Japanese).
    sed -i 's/^namevisible=.*\r$/namevisible=1\r/; s/^timevisible=.*\r$/timevisible=1\r/
            s/^\(f[0-9][0-9]=.\)\*/\1A/' "$ini"
}

resident_kb() { # program
    "$1" /s >/dev/null 2>&1 &
    local pid=$!
    sleep "$seconds"
    local rss icu
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    # ICU comes with Qt Core; what of it is resident shows who used it.
    icu=$(awk '/^[0-9a-f]+-[0-9a-f]+ / { mine = ($6 ~ /libicu/) }
               mine && /^Rss:/ { kb += $2 } END { print kb + 0 }' "/proc/$pid/smaps")
    kill -TERM "$pid"
    wait "$pid" || true
    echo "$rss $icu"
}

declare -A results
for run in $(seq "$runs"); do
    for i in "${!programs[@]}"; do
        settings_with_names_and_clock "${programs[$i]}" "$E2E_WORK/config-$i-$run"
        read -r kb icu < <(resident_kb "${programs[$i]}")
        echo "run $run, ${programs[$i]}: $kb kB, of which ICU's libraries $icu kB"
        results[$i]+="$kb "
    done
done
for i in "${!programs[@]}"; do
    printf '%s\n' ${results[$i]} | sort -n |
        awk -v p="${programs[$i]}" '{ r[NR] = $1 } END {
            printf "median %s: %.1f MB\n", p, (NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2) / 1000 }'
done
