#!/usr/bin/env bash
# Times finwicks from its start to the first frame on screen, with the
# first-run tank (a fresh settings folder each time), on a 1920x1080 Xvfb
# without a window manager. Prints each run and the median.
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

# The end-to-end tests' set-up: a work folder with private XDG folders, an
# Xvfb of our own (its screen starts black), and clean-up.
source "$PWD/tests/e2e/e2e_common.sh"
e2e_start_x "${display#:}" 1920x1080

times=()
for run in $(seq "$runs"); do
    export XDG_CONFIG_HOME=$E2E_WORK/config$run
    mkdir -p "$XDG_CONFIG_HOME"
    ms=$("$timer" "$finwicks" /s)
    echo "run $run: first frame after $ms ms"
    times+=("$ms")
    sleep 0.5
done
printf '%s\n' "${times[@]}" | sort -n |
    awk '{ t[NR] = $1 } END { printf "median: %s ms\n", NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'
