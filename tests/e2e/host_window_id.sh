#!/usr/bin/env bash
# finwicks --window-id draws inside a window it is given, at that window's
# size, follows a resize, maps no window of its own, takes no input and saves
# when the host stops it with SIGTERM.
source "$(dirname "$0")/host_lib.sh" "$1" 120
start_x 1024x768

make_host_window 400x300+20+20 "finwicks host"
top_levels_before=$(mapped_top_levels)

spawn "$FINWICKS" --window-id "$HOST_WINDOW"
saver=$LAST_PID
wait_ini
records_at_start=$(fish_records)

wait_child_size "$HOST_WINDOW" 400x300 || fail "no 400x300 aquarium inside the host window"
wait_colours "$HOST_WINDOW" 40 || fail "the host window shows no fish"
[[ "$(mapped_top_levels)" == "$top_levels_before" ]] || fail "finwicks mapped a window of its own"

# The host handles input: moves, keys and clicks over the window end nothing.
xdotool mousemove --window "$HOST_WINDOW" 100 100 mousemove --window "$HOST_WINDOW" 250 200
xdotool mousemove --window "$HOST_WINDOW" 30 30 click 3 click 1
xdotool key --window "$HOST_WINDOW" a Escape 2>/dev/null
sleep 1
running "$saver" || fail "finwicks ended on input that belongs to the host"

xdotool windowsize "$HOST_WINDOW" 640 480
wait_child_size "$HOST_WINDOW" 640x480 5 || fail "the aquarium did not follow the host window's new size"
sleep 2
wait_colours "$HOST_WINDOW" 40 || fail "no fish after the resize"

kill -TERM "$saver"
wait_end "$saver" 1 || fail "finwicks did not end within a second of SIGTERM"
[[ $ENDED_STATUS -eq 0 ]] || fail "exit status $ENDED_STATUS after SIGTERM"
ini_is_whole "$INI" || fail "the settings file is broken"
[[ "$(fish_records)" != "$records_at_start" ]] || fail "the fish's positions were not saved"

# A window that does not exist ends at once with a message.
set +e
message=$("$FINWICKS" --window-id 0x7ffffff 2>&1)
status=$?
set -e
[[ $status -eq 1 ]] || fail "a missing window gave status $status"
[[ "$message" == *"0x7ffffff"* ]] || fail "no message for a missing window: $message"
# The host closes its window without stopping us: we end and save.
make_host_window 300x200+0+0 "closing host"
host_process=$LAST_PID
spawn "$FINWICKS" --window-id "$HOST_WINDOW"
saver=$LAST_PID
wait_child_size "$HOST_WINDOW" 300x200 || fail "nothing drawn in the second host window"
sleep 1
records_before=$(fish_records)
kill -TERM "$host_process"
wait_end "$saver" 3 || fail "finwicks outlived its host window"
ini_is_whole "$INI" || fail "the settings file is broken"
[[ "$(fish_records)" != "$records_before" ]] || fail "no save when the host window went"

# At scale factor 2 the host window's 600 x 400 device pixels are a tank of
# 300 x 200 shown at twice the size: it covers the window exactly.
make_host_window 600x400+0+0 "scaled host"
QT_SCALE_FACTOR=2 spawn "$FINWICKS" --window-id "$HOST_WINDOW"
saver=$LAST_PID
wait_child_size "$HOST_WINDOW" 600x400 || fail "the scaled aquarium does not cover its host window"
wait_colours "$HOST_WINDOW" 40 || fail "the scaled host window shows no fish"
kill -TERM "$saver"
wait_end "$saver" 2 || fail "the scaled aquarium did not end on SIGTERM"
echo PASS
