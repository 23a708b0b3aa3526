#!/usr/bin/env bash
# The configuration dialog in a real X server: a setting changed with the
# mouse reaches the settings file on OK, in its committed format with every
# other key; Escape and the Cancel button leave the file exactly as it was.
# Usage: dialog_settings.sh <finwicks binary>
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

export DISPLAY=:100
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

# Window coordinates of the 542 x 397 dialog: tab captions along the top,
# OK and Cancel at the right of the button row.
click() {
    xdotool mousemove --window "$dialog" "$1" "$2" click 1
    sleep 0.4
}
tank_tab() { click 212 21; }
second_feeding() { click 41 101; }
ok() { click 393 372; }
cancel() { click 487 372; }

wait_closed() {
    local i
    for i in $(seq 100); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && fail "the dialog did not close"
    wait "$app_pid" || fail "the program ended with status $?"
    app_pid=
}

# The first start writes the first-run file.
open_dialog
[[ -s $settings ]] || fail "no settings file"
[[ $(value food2) == 0 ]] || fail "food2 is not 0 at first run"
[[ $(value timeposition) == 1 ]] || fail "timeposition is not 1 at first run"

# Check the second feeding and confirm.
tank_tab
second_feeding
ok
wait_closed
[[ $(value food2) == 1 ]] || fail "food2 was not stored: $(value food2)"
[[ $(value timeposition) == 01 ]] || fail "timeposition not rewritten as 01"
[[ $(value fishmovespeed) == 050 ]] || fail "fishmovespeed not rewritten as 050"
[[ $(value foodtime2) == 00 ]] || fail "foodtime2 not 00"
[[ $(value bubble_count_max) == 100 ]] || fail "bubble_count_max changed"
grep -q '^f28=' "$settings" || fail "the fish were not written back"
cp "$settings" "$work/after-ok.ini"

# Uncheck it again and press Escape: nothing is written.
open_dialog
tank_tab
second_feeding
xdotool key --clearmodifiers Escape
wait_closed
cmp -s "$settings" "$work/after-ok.ini" || fail "Escape changed the settings file"

# The same with the Cancel button.
open_dialog
tank_tab
second_feeding
cancel
wait_closed
cmp -s "$settings" "$work/after-ok.ini" || fail "Cancel changed the settings file"
echo "PASS"
