#!/usr/bin/env bash
# Kills the aquarium with SIGKILL at a random moment of its save, round after
# round, and checks each time that the settings file is whole and keeps all
# 28 fish. The end-to-end test host_signals.sh runs a dozen such rounds; this
# runs as many as asked and counts broken files.
#
# usage: tools/kill-test/kill-test.sh [--rounds N] [--build DIR] [--display N]
set -euo pipefail

rounds=1000
build=build
display=64
while [[ $# -gt 0 ]]; do
    case "$1" in
    --rounds) rounds=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    *) echo "usage: $0 [--rounds N] [--build DIR] [--display N]" >&2; exit 2 ;;
    esac
done
root=$(cd "$(dirname "$0")/../.." && pwd)
finwicks=$(realpath -m "$build/src/startup/finwicks")
[[ -x $finwicks ]] || { echo "finwicks is not built in $build" >&2; exit 1; }
source "$root/tests/e2e/host_lib.sh" "$finwicks" "$display"
start_x 800x600

# Waits until the aquarium's window is on the screen, so SIGTERM ends a
# running tank and starts its save.
wait_shown() {
    local pid=$1 i
    for i in $(seq 200); do
        xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && return 0
        running "$pid" || return 1
        sleep 0.05
    done
    return 1
}

broken=0
lost=0
leftovers=0
for round in $(seq "$rounds"); do
    spawn "$finwicks" /s
    pid=$LAST_PID
    wait_shown "$pid" || fail "round $round: the aquarium did not show"
    # 0 to 80 ms after SIGTERM: from before the save starts to after it ends.
    delay=$(printf '0.%03d' $((RANDOM % 81)))
    kill -TERM "$pid"
    sleep "$delay"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if ! ini_is_whole "$INI"; then
        broken=$((broken + 1))
        cp "$INI" "$WORK/broken-$round.ini" 2>/dev/null || true
        echo "round $round (SIGKILL $delay s after SIGTERM): broken settings file" >&2
    elif [[ $(fish_records | wc -l) -ne 28 ]]; then
        lost=$((lost + 1))
        echo "round $round (SIGKILL $delay s after SIGTERM): fish lost" >&2
    fi
    [[ -e "$INI.saving" ]] && leftovers=$((leftovers + 1))
    ((round % 100 == 0)) && echo "$round rounds: $broken broken, $lost with fish lost"
done
echo "rounds: $rounds  broken files: $broken  files with fish lost: $lost" \
    " rounds that left a partial temporary file: $leftovers"
((broken == 0 && lost == 0))
