# Shared by the configuration dialog's end-to-end scripts: the common X
# server (on the display the script names), folders and clean-up, plus the
# dialog started with /c and found by its caption and clicks in window
# coordinates. Source it with the program path as $1 and DIALOG_DISPLAY set.

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

program=$(realpath "$1")
work=$E2E_WORK
settings=$E2E_SETTINGS
app_pid=

value() { # key: its value in the settings file
    iconv -f CP932 -t UTF-8 "$settings" | tr -d '\r' | sed -n "s/^$1=//p"
}

e2e_start_x "$DIALOG_DISPLAY"

dialog=
# open_dialog [COMMAND...]: the dialog, started through COMMAND (such as an
# env with a locale) when given.
open_dialog() {
    "$@" "$program" /c >>"$work/app.log" 2>&1 &
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

