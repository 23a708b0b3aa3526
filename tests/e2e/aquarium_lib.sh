# Shared by the aquarium end-to-end scripts: the mouse scripts' X server,
# settings and screenshot helpers, plus starting with any command line and
# waiting for the program to end.
# Usage: source aquarium_lib.sh <finwicks binary> <display number> [cursor probe]

source "$(dirname "${BASH_SOURCE[0]}")/mouse_lib.sh" "$1" "$2"
CURSOR_PROBE=${3:+$(readlink -f "$3")}

# start_with [arguments...]: starts finwicks and waits until its window shows
# and the first focus has prepared the scene.
start_with() {
    "$FINWICKS" "$@" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    local i
    for i in $(seq 100); do
        if xdotool search --onlyvisible --pid "$APP_PID" >/dev/null 2>&1; then
            sleep 1.5
            return 0
        fi
        kill -0 "$APP_PID" 2>/dev/null || fail "finwicks ended at start: $(cat "$WORK/app.log")"
        sleep 0.1
    done
    fail "no aquarium window"
}

alive() { kill -0 "$APP_PID" 2>/dev/null; }

# wait_end SECONDS: true when the program has ended within that time.
wait_end() {
    local i
    for i in $(seq $(($1 * 10))); do
        if ! alive; then
            wait "$APP_PID" 2>/dev/null || true
            APP_PID=
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# The settings were written by this run: the test files carry an old date.
saved_today() { [[ $(ini_value date) == $(date +%Y/%m/%d) ]]; }

cursor_state() { "$CURSOR_PROBE"; }

# Non-black pixels in a rectangle of a screenshot.
lit_pixels() {
    convert "$1" -crop "$2" +repage -fill white +opaque black -fill black -opaque black \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}
