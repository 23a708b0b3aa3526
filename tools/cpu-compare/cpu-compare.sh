#!/usr/bin/env bash
# Measures, in one run on one X server, the CPU that finwicks and xfishtank
# use at the same load (28 fish, 100 bubbles, 20 frames a second), each
# together with the X server that shows it, and the program's resident
# memory at the end. Also measures the bare surface
# demo (28 sprites, no aquarium logic) shown by a widget and by a plain
# window with a backing store, to tell presentation costs apart.
#
# --baseline FILE also measures another finwicks executable (e.g. a copy of an
# earlier build) in the same run, so a change can be judged on equal terms.
#
# --runs N repeats finwicks and xfishtank N times, alternating, and prints the
# ratio of their totals in each run and the median ratio.
#
# usage: tools/cpu-compare/cpu-compare.sh [--seconds N] [--build DIR] [--display :N] [--baseline FILE] [--runs N]
set -euo pipefail

seconds=30
build=build
display=:141
baseline=
runs=1
while [[ $# -gt 0 ]]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    --baseline) baseline=$(realpath "$2"); shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds N] [--build DIR] [--display :N] [--baseline FILE] [--runs N]" >&2; exit 2 ;;
    esac
done
cd "$(dirname "$0")/../.."
build=$(realpath -m "$build")
warmup=3

PATH=$PATH:/usr/games # where Debian puts xfishtank
if ! command -v xfishtank >/dev/null; then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q xfishtank >/dev/null
fi
command -v Xvfb >/dev/null || { echo "Xvfb is missing (tools/install-deps.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $display" >&2; exit 1; }

# Nanoseconds a process has run on a CPU, over all its threads, from the
# scheduler's own count: the clock-tick counts of /proc/<pid>/stat are
# samples, too coarse for a program that runs half a millisecond per frame.
cpu_ns() {
    local total=0 task run
    for task in /proc/"$1"/task/*/schedstat; do
        read -r run _ <"$task" 2>/dev/null || continue
        total=$((total + run))
    done
    echo "$total"
}

percent() { # nanoseconds over the measured time, as a percentage of one core
    awk -v t="$1" -v s="$seconds" 'BEGIN { printf "%.3f", 100 * t / (s * 1e9) }'
}

results=()
# measure LABEL COMMAND... : starts the command, lets it settle, measures it
# and the X server for the given seconds, then stops it.
measure() {
    local label=$1
    shift
    last_ns=0
    "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
    sleep "$warmup"
    if ! kill -0 "$program_pid" 2>/dev/null; then
        results+=("$(printf '%-34s did not keep running (%s)' "$label" "$(tail -1 "$work/program.log")")")
        program_pid=
        return
    fi
    local p0 x0 p1 x1
    p0=$(cpu_ns "$program_pid")
    x0=$(cpu_ns "$xvfb_pid")
    sleep "$seconds"
    p1=$(cpu_ns "$program_pid")
    x1=$(cpu_ns "$xvfb_pid")
    local rss
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status" 2>/dev/null || echo 0)
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    local program xserver total
    last_ns=$((p1 - p0 + x1 - x0))
    program=$(percent $((p1 - p0)))
    xserver=$(percent $((x1 - x0)))
    total=$(percent $((p1 - p0 + x1 - x0)))
    results+=("$(printf '%-34s program %6s %%   X server %6s %%   total %6s %%   resident %6s kB' \
        "$label" "$program" "$xserver" "$total" "$rss")")
    sleep 1
}

# A settings file with the first-run load: 28 fish, 100 bubbles, 50 ms.
prepare_settings() {
    export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    local ini=$XDG_CONFIG_HOME/finwicks/FINWICKS.INI
    # The first run creates the starter fish; an orderly end writes them out.
    "$finwicks" /s >/dev/null 2>&1 &
    local pid=$!
    sleep 2
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [[ -f $ini ]]; then
        # The file has CR LF line ends; keep them.
        sed -i -e 's/^fishmovespeed=[^\r]*/fishmovespeed=50/' \
            -e 's/^bubble_count_max=[^\r]*/bubble_count_max=100/' \
            -e 's/^bubble_view=[^\r]*/bubble_view=1/' "$ini"
    fi
}

demo=$build/tools/cpu-compare/finwicks-surface-demo
finwicks=$build/src/startup/finwicks
echo "Measuring $seconds s each on a 1920x1080 Xvfb ($display), $(nproc) cores"

if [[ -x $demo ]]; then
    measure "surface demo, widget" "$demo"
    measure "surface demo, QWindow+QBackingStore" "$demo" --window
fi
[[ -x $finwicks ]] || { echo "finwicks is not built in $build" >&2; exit 1; }
prepare_settings
ratios=()
for run in $(seq "$runs"); do
    measure "finwicks /s (28 fish, 100 bubbles)" "$finwicks" /s
    ours=$last_ns
    if [[ -n $baseline ]]; then
        measure "baseline /s (28 fish, 100 bubbles)" "$baseline" /s
    fi
    measure "xfishtank -f 28 -b 100 -r 0.05" xfishtank -f 28 -b 100 -r 0.05 -i 0.05
    ratios+=("$(awk -v a="$ours" -v b="$last_ns" 'BEGIN { printf "%.2f", b ? a / b : 0 }')")
done

printf '%s\n' "${results[@]}"
echo "finwicks total over xfishtank total, run by run: ${ratios[*]}"
printf '%s\n' "${ratios[@]}" | sort -n |
    awk '{ r[NR] = $1 } END { printf "median ratio: %s\n", NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2 }'
