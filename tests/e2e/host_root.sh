#!/usr/bin/env bash
# finwicks --root draws into XSCREENSAVER_WINDOW when a host sets it, and
# into the root window, below every other window, when none does.
source "$(dirname "$0")/host_lib.sh" "$1" 124
start_x 640x480

make_host_window 320x240+10+10 "xscreensaver window"
XSCREENSAVER_WINDOW=$(printf '0x%x' "$HOST_WINDOW") spawn "$FINWICKS" --root
hosted=$LAST_PID
wait_child_size "$HOST_WINDOW" 320x240 || fail "--root did not draw into XSCREENSAVER_WINDOW"
wait_colours "$HOST_WINDOW" 40 || fail "no fish in the XSCREENSAVER_WINDOW"
kill -TERM "$hosted"
wait_end "$hosted" 1 || fail "no end within a second of SIGTERM"

# A decimal id works as well.
XSCREENSAVER_WINDOW=$HOST_WINDOW spawn "$FINWICKS" -root
hosted=$LAST_PID
wait_child_size "$HOST_WINDOW" 320x240 || fail "a decimal XSCREENSAVER_WINDOW was not followed"
kill -TERM "$hosted"
wait_end "$hosted" 1 || fail "no end within a second of SIGTERM"

# Without the variable: the whole root window, under the other window.
spawn "$FINWICKS" --root
on_root=$LAST_PID
wait_child_size root 640x480 || fail "--root alone did not cover the root window"
wait_colours root 40 || fail "no fish on the root window"
# xwininfo lists the topmost child first.
[[ $(children_of root | tail -1) == *" 640x480" ]] || fail "the aquarium is not below the other windows"
kill -TERM "$on_root"
wait_end "$on_root" 1 || fail "no end within a second of SIGTERM"

# A broken XSCREENSAVER_WINDOW ends at once, touching no file.
rm -rf "$XDG_CONFIG_HOME/finwicks"
set +e
XSCREENSAVER_WINDOW=garbage "$FINWICKS" --root 2>/dev/null
status=$?
set -e
[[ $status -eq 1 ]] || fail "a broken XSCREENSAVER_WINDOW gave status $status"
[[ ! -e "$XDG_CONFIG_HOME/finwicks" ]] || fail "a refused start touched the settings"

# Without an X server there is no window to draw into: say so and end (the
# hosted mode takes X11 whatever platform is asked for).
set +e
message=$(env -u DISPLAY QT_QPA_PLATFORM=offscreen "$FINWICKS" --root 2>&1)
status=$?
set -e
[[ $status -eq 1 && "$message" == *"X server"* ]] || fail "no X server: status $status, $message"
[[ ! -e "$XDG_CONFIG_HOME/finwicks" ]] || fail "a refused start touched the settings"
echo PASS
