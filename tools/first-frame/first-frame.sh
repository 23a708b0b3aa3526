#!/usr/bin/env bash
# Times finwicks from its start to the first frame on screen, with the
# first-run tank (a fresh settings folder each time), on a black 1920x1080
# Xvfb without a window manager. Prints each run and the median.
#
# usage: tools/first-frame/first-frame.sh [--build DIR] [--display :N] [--runs N]
set -euo pipefail

build=build
display=:142
runs=5
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build) build=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--display :N] [--runs N]" >&2; exit 2 ;;
    esac
done
cd "$(dirname "$0")/../.."
build=$(realpath -m "$build")
finwicks=$build/src/startup/finwicks
timer=$build/tools/first-frame/finwicks-first-frame
[[ -x $finwicks && -x $timer ]] || { echo "finwicks is not built in $build" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1920x1080x24 -br -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

times=()
for run in $(seq "$runs"); do
    export XDG_CONFIG_HOME=$work/config$run XDG_RUNTIME_DIR=$work/runtime$run
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    ms=$("$timer" "$finwicks" /s)
    echo "run $run: first frame after $ms ms"
    times+=("$ms")
    sleep 0.5
done
printf '%s\n' "${times[@]}" | sort -n |
    awk '{ t[NR] = $1 } END { printf "median: %s ms\n", NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'
