#!/usr/bin/env bash
# What sound costs: for each build, the time to the first frame (median of N
# runs, as tools/first-frame measures it) with both sound keys off (the
# first-run tank) and with effects and music on; then, in a tank of 400
# bubbles, the processor time (percent of one core over SECONDS, after 4 s
# to settle) and the resident memory with sound off, effects, music and
# both. On a 1920x1080 Xvfb and a PulseAudio null sink of its own. Builds
# are measured in turns, so they share the machine's mood.
#
# usage: tools/sound-cost/sound-cost.sh [--runs N] [--seconds SECONDS] BUILD_DIR...
set -euo pipefail

runs=5
seconds=20
builds=()
while [[ $# -gt 0 ]]; do
    case "$1" in
    --runs) runs=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    -*) echo "usage: $0 [--runs N] [--seconds SECONDS] BUILD_DIR..." >&2; exit 2 ;;
    *) builds+=("$(realpath -m "$1")"); shift ;;
    esac
done
[[ ${#builds[@]} -gt 0 ]] || builds=("$(realpath -m build)")
root=$(cd "$(dirname "$0")/../.." && pwd)
for build in "${builds[@]}"; do
    [[ -x $build/src/startup/finwicks && -x $build/tools/first-frame/finwicks-first-frame ]] ||
        { echo "finwicks is not built in $build" >&2; exit 1; }
done

source "$root/tests/e2e/sound_lib.sh" "${builds[0]}/src/startup/finwicks" 143
e2e_start_x 143 1920x1080
start_pulse

# A first-run settings file, and the same with both sounds on.
spawn_first_run() {
    XDG_CONFIG_HOME=$WORK/seed "${builds[0]}/src/startup/finwicks" /s >/dev/null 2>&1 &
    local pid=$! i
    for i in $(seq 100); do
        [[ -s $WORK/seed/finwicks/FINWICKS.INI ]] && break
        sleep 0.1
    done
    sleep 1
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
}
spawn_first_run
sox -n -r 44100 -c 2 "$WORK/tone.ogg" synth 30 sine 330 vol 0.2
sed "s|^sound1=.*|sound1=1\r|; s|^sound2=.*|sound2=1\r|; s|^soundfile=.*|soundfile=$WORK/tone.ogg\r|" \
    "$WORK/seed/finwicks/FINWICKS.INI" >"$WORK/sound-on.ini"

# The same tanks with 400 bubbles, and with effects or music alone.
bubbly() { sed 's|^bubble_count_max=.*|bubble_count_max=400\r|' "$1"; }
bubbly "$WORK/seed/finwicks/FINWICKS.INI" >"$WORK/off.ini"
bubbly "$WORK/sound-on.ini" >"$WORK/both.ini"
sed 's|^sound2=.*|sound2=0\r|' "$WORK/both.ini" >"$WORK/effects.ini"
sed 's|^sound1=.*|sound1=0\r|' "$WORK/both.ini" >"$WORK/music.ini"

# settings_folder CASE RUN: a fresh folder with the case's settings file
# (none for the first-run tank).
settings_folder() {
    local folder=$WORK/config-$1-$2-$RANDOM
    mkdir -p "$folder/finwicks"
    case $1 in
    on) cp "$WORK/sound-on.ini" "$folder/finwicks/FINWICKS.INI" ;;
    off | effects | music | both) cp "$WORK/$1.ini" "$folder/finwicks/FINWICKS.INI" ;;
    esac
    echo "$folder"
}

# Processor ticks (user and system) a process has used so far.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

median() { sort -n | awk '{ t[NR] = $1 } END { print NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'; }

declare -A frames cpu rss
for run in $(seq "$runs"); do
    for build in "${builds[@]}"; do
        for case in first on; do
            XDG_CONFIG_HOME=$(settings_folder "$case" "$run") \
                frames[$build,$case]+="$("$build/tools/first-frame/finwicks-first-frame" \
                "$build/src/startup/finwicks" /s) "
            sleep 0.3
        done
    done
done
hertz=$(getconf CLK_TCK)
cases=(off effects music both)
# measure BUILD CASE: percent of a core and VmRSS of one tank run; fails when
# the tank ended by itself (a screen saver ends on the least pointer event).
measure() {
    XDG_CONFIG_HOME=$(settings_folder "$2" cpu) "$1/src/startup/finwicks" /s \
        >"$WORK/cpu.log" 2>&1 &
    local pid=$! before after
    sleep 4
    kill -0 "$pid" 2>/dev/null || return 1
    before=$(ticks "$pid")
    sleep "$seconds"
    kill -0 "$pid" 2>/dev/null || return 1
    after=$(ticks "$pid")
    cpu[$1,$2]=$(awk -v t=$((after - before)) -v hz="$hertz" -v s="$seconds" \
        'BEGIN { printf "%.1f", 100 * t / hz / s }')
    rss[$1,$2]=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
}
for build in "${builds[@]}"; do
    for case in "${cases[@]}"; do
        for try in 1 2 3; do
            measure "$build" "$case" && break
            echo "finwicks ($build, $case) ended early: $(cat "$WORK/cpu.log"); again" >&2
            [[ $try == 3 ]] && exit 1
        done
    done
done

printf '%-40s %-6s %16s\n' build sound "first frame ms"
for build in "${builds[@]}"; do
    for case in first on; do
        printf '%-40s %-6s %16s\n' "$build" "${case/first/off}" \
            "$(tr ' ' '\n' <<<"${frames[$build,$case]}" | grep . | median)"
    done
done
echo
printf '%-40s %-8s %12s %10s\n' build "sound" "CPU % core" "VmRSS MB"
for build in "${builds[@]}"; do
    for case in "${cases[@]}"; do
        printf '%-40s %-8s %12s %10s\n' "$build" "$case" "${cpu[$build,$case]}" \
            "${rss[$build,$case]}"
    done
done
