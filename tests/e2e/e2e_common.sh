# Shared by every end-to-end script: strict shell options, a temporary work
# folder with private XDG_CONFIG_HOME and XDG_RUNTIME_DIR, fail(), a private
# Xvfb on the script's own display number, and clean-up of every process the
# script started.
# Usage: source e2e_common.sh, then e2e_start_x NUMBER [WIDTHxHEIGHT].
# Sets E2E_WORK (the work folder) and E2E_SETTINGS (the settings file's path).

set -euo pipefail

export QT_QPA_PLATFORM=xcb
# The program's own leaks are the unit tests' business; here a report at exit
# would only turn a passing run into a failing status.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
# A host's window id inherited from the calling desktop would redirect the
# program into someone else's window.
unset XSCREENSAVER_WINDOW

E2E_WORK=$(mktemp -d /tmp/finwicks-e2e.XXXXXX)
export XDG_CONFIG_HOME="$E2E_WORK/config"
export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
E2E_SETTINGS="$XDG_CONFIG_HOME/finwicks/FINWICKS.INI"
E2E_XVFB_PID=

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# at_time HH:MM:SS: sets AT_TIME to the words that run a command with the
# clock starting at that time of today, then running on, so that a test of
# the tank's light never depends on the hour it runs at. The library is
# preloaded through env, which runs the command in its own place, keeping its
# PID; the address sanitizer is told to accept the library before its own.
AT_TIME=()
at_time() {
    local library
    library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
    [[ -n $library ]] || fail "libfaketime is not installed (Debian package faketime)"
    AT_TIME=(env "LD_PRELOAD=$library" "FAKETIME=@$(date +%F) $1"
        "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
}

# The background jobs of this shell that still run as its children (a job
# that has ended may stay listed, and its number may be in use elsewhere).
e2e_own_children() {
    local pid
    for pid in $(jobs -p); do
        [[ $pid == "$E2E_XVFB_PID" ]] && continue
        [[ $(awk '{print $4}' "/proc/$pid/stat" 2>/dev/null) == "$$" ]] && echo "$pid"
    done
    return 0
}

# Ends every process this script started, the X server last so that no
# client dies of a lost display first, and removes the work folder.
e2e_cleanup() {
    local pid children
    children=$(e2e_own_children)
    for pid in $children; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    for pid in $children; do
        wait "$pid" 2>/dev/null || true
    done
    e2e_stop_x
    rm -rf "$E2E_WORK"
}
cleanup() { e2e_cleanup; }
trap cleanup EXIT

# Ends the X server started by e2e_start_x, so the next can take its display.
e2e_stop_x() {
    [[ -n $E2E_XVFB_PID ]] || return 0
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_XVFB_PID" 2>/dev/null || true
    E2E_XVFB_PID=
}

# e2e_start_x NUMBER [WIDTHxHEIGHT]: an X server on display :NUMBER (1024x768
# by default) for this script alone; returns once it answers.
e2e_start_x() {
    export DISPLAY=":$1"
    local size=${2:-1024x768}
    # -noreset: the scripts start the program again and again, and a start
    # while the server resets after its last client left finds no display.
    Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp -ac -noreset >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    local i
    for i in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    fail "Xvfb $DISPLAY did not start: $(cat "$E2E_WORK/xvfb.log")"
}
