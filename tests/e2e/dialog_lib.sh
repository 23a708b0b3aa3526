# Shared by the configuration dialog's end-to-end scripts: a private Xvfb on
# the display the script names, temporary XDG folders, the dialog started with
# /c and found by its caption, clicks in window coordinates, and clean-up of
# everything started here. Source it with the program path as $1 and
# DIALOG_DISPLAY set.
set -euo pipefail

program=$(realpath "$1")
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d /tmp/finwicks-dialog.XXXXXX)
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/finwicks/FINWICKS.INI
xvfb_pid=
app_pid=

cleanup() {
    if [[ -n $app_pid ]]; then
        kill -KILL "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

value() { # key: its value in the settings file
    iconv -f CP932 -t UTF-8 "$settings" | tr -d '\r' | sed -n "s/^$1=//p"
}

export DISPLAY=:$DIALOG_DISPLAY
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb $DISPLAY did not start"

dialog=
open_dialog() {
    "$program" /c >>"$work/app.log" 2>&1 &
    app_pid=$!
    dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^Screen Finwick Configration$' |
        head -n 1 || true)
    [[ -n $dialog ]] || fail "the configuration dialog did not open"
    sleep 0.8
}

# click_in WINDOW X Y: a left click at window coordinates.
click_in() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.4
}
# find_window CAPTION: the shown window with exactly that caption.
find_window() {
    timeout 15 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1 || true
}

# Window coordinates of the 542 x 397 dialog: tab captions along the top,
# OK and Cancel at the right of the button row.
click() { click_in "$dialog" "$1" "$2"; }
tank_tab() { click 212 21; }
ok() { click 393 372; }
cancel() { click 487 372; }

wait_closed() {
    local i
    for i in $(seq 200); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "the dialog did not close"
    wait "$app_pid" || fail "the program ended with status $?"
    app_pid=
}

