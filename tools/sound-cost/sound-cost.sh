#!/usr/bin/env bash
# What sound costs at the start: for each build, the time to the first frame
# (median of N runs, as tools/first-frame measures it) and the resident
# memory 6 s after the start, with both sound keys off (the first-run tank)
# and with effects and music on, on a 1920x1080 Xvfb and a PulseAudio null
# sink of its own. Builds are measured in turns, so they share the machine's
# mood.
#
# usage: tools/sound-cost/sound-cost.sh [--runs N] BUILD_DIR...
set -euo pipefail

runs=5
builds=()
while [[ $# -gt 0 ]]; do
    case "$1" in
    --runs) runs=$2; shift 2 ;;
    -*) echo "usage: $0 [--runs N] BUILD_DIR..." >&2; exit 2 ;;
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

# settings_folder CASE RUN: a fresh folder with the case's settings file
# (none for the first-run tank).
settings_folder() {
    local folder=$WORK/config-$1-$2-$RANDOM
    mkdir -p "$folder/finwicks"
    [[ $1 == on ]] && cp "$WORK/sound-on.ini" "$folder/finwicks/FINWICKS.INI"
    echo "$folder"
}

median() { sort -n | awk '{ t[NR] = $1 } END { print NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'; }

declare -A frames rss
for run in $(seq "$runs"); do
    for build in "${builds[@]}"; do
        for case in off on; do
            XDG_CONFIG_HOME=$(settings_folder "$case" "$run") \
                frames[$build,$case]+="$("$build/tools/first-frame/finwicks-first-frame" \
                "$build/src/startup/finwicks" /s) "
            sleep 0.3
        done
    done
done
for build in "${builds[@]}"; do
    for case in off on; do
        XDG_CONFIG_HOME=$(settings_folder "$case" rss) "$build/src/startup/finwicks" /s \
            >/dev/null 2>&1 &
        pid=$!
        sleep 6
        rss[$build,$case]=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
        kill -TERM "$pid"
        wait "$pid" 2>/dev/null || true
    done
done

printf '%-40s %-5s %16s %12s\n' build sound "first frame ms" "VmRSS MB"
for build in "${builds[@]}"; do
    for case in off on; do
        printf '%-40s %-5s %16s %12s\n' "$build" "$case" \
            "$(tr ' ' '\n' <<<"${frames[$build,$case]}" | grep . | median)" "${rss[$build,$case]}"
    done
done
