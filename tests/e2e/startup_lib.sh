# Shared by the start-up end-to-end scripts: a private Xvfb, temporary XDG
# folders, and clean-up of everything started here.
set -euo pipefail

program=$(realpath "$1")
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/finwicks/FINWICKS.INI
started=()

cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${started[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_xvfb N: an X server on display :N for this script alone.
start_xvfb() {
    local display=$1
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    started+=($!)
    export DISPLAY=:$display
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "Xvfb did not start on :$display"
}

# wait_or_escape PID SECONDS: waits for the process to end; whenever it shows
# a window, presses Escape in it. Sets exit_status.
wait_or_escape() {
    local pid=$1 limit=$2 waited=0 window
    while kill -0 "$pid" 2>/dev/null; do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
        if [[ -n $window ]]; then
            xdotool windowfocus "$window" 2>/dev/null || true
            xdotool key --clearmodifiers Escape 2>/dev/null || true
        fi
        sleep 0.5
        waited=$((waited + 1))
        ((waited <= limit * 2)) || fail "process $pid still runs after ${limit}s"
    done
    exit_status=0
    wait "$pid" || exit_status=$?
}
