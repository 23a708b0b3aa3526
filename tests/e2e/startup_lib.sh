# Shared by the start-up end-to-end scripts: the common X server, folders and
# clean-up, plus waiting for a run that may show a window.

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

program=$(realpath "$1")
work=$E2E_WORK
settings=$E2E_SETTINGS
started=() # the scripts list what they start; clean-up ends every child anyway

# start_xvfb N: an X server on display :N for this script alone.
start_xvfb() { e2e_start_x "$1"; }

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
