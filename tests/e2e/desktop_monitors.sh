#!/bin/bash
# With two monitors both show the tank; a key ends it and saves, and so does
# a counting mouse move on the second monitor under end pattern "0"; a
# monitor switched off while it runs is survived. Xvfb has one monitor only:
# this runs Xorg with the dummy driver and two RandR outputs.
source "$(dirname "$0")/desktop_lib.sh" "$1" 131

FISH=$(
    fish_record 0 Angel 200 1 200 300 && echo
    fish_record 1 Glow 200 2 900 400 && echo
    fish_record 3 Hatchet 200 2 600 40 && echo
    fish_record 4 Nemo 200 1 400 940
)

wait_ended() {
    local i
    for i in $(seq 100); do
        kill -0 "$APP_PID" 2>/dev/null || {
            wait "$APP_PID" 2>/dev/null || true
            APP_PID=
            return 0
        }
        sleep 0.1
    done
    fail "$1"
}

start_two_monitors

write_ini backcolor=$GROUND_SETTING
start_aquarium
check_both_monitors monitors-both
xdotool key space
wait_ended "a key did not end the program"
saved_today || fail "not saved after a key"

# A counting move on the second monitor ends under end pattern "0".
write_ini backcolor=$GROUND_SETTING endpattern=0
start_aquarium
xdotool mousemove 2600 500
sleep 0.5
xdotool mousemove 2601 501
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "a 1-pixel move on the second monitor ended it"
xdotool mousemove 2640 540
wait_ended "a counting move on the second monitor did not end the program"
saved_today || fail "not saved after a mouse move"

# Switched off and on again while it runs.
write_ini backcolor=$GROUND_SETTING
start_aquarium
xrandr --output DUMMY1 --off
sleep 1
kill -0 "$APP_PID" 2>/dev/null || fail "ended when a monitor was switched off"
xrandr --output DUMMY1 --mode fw1080 --pos 1920x0
sleep 1.5
kill -0 "$APP_PID" 2>/dev/null || fail "ended when a monitor came back"
check_both_monitors monitors-back
end_aquarium
saved_today || fail "not saved after the monitor came back"

# The primary monitor switched off: the tank moves to the one left.
write_ini backcolor=$GROUND_SETTING
start_aquarium
xrandr --output DUMMY0 --off
sleep 1.5
kill -0 "$APP_PID" 2>/dev/null || fail "ended when the primary monitor was switched off"
# The X screen shrinks to the monitor left, which moves to the origin.
left_over=$(shot monitors-primary-off)
[[ $(identify -format '%wx%h' "$left_over") == 1920x1080 ]] ||
    fail "the screen is $(identify -format '%wx%h' "$left_over") with one monitor"
ground=$(share_of "$left_over" "$GROUND")
((ground > 98000 && ground < 100000)) || fail "the remaining monitor is $ground/100000 ground"
end_aquarium
saved_today || fail "not saved after the primary monitor went"
# Monitors at scales 1 and 1.5, the tank moved to the second and back: the
# device pixels it needed there are given back (as many frame segments as
# before).
frame_segments() { grep -c 'memfd:finwicks-frame' "/proc/$APP_PID/maps" || true; }
# Both monitors side by side again: the primary was switched off above.
xrandr --output DUMMY0 --mode fw1080 --pos 0x0 --primary --output DUMMY1 --mode fw1080 --pos 1920x0
write_ini backcolor=$GROUND_SETTING
QT_SCREEN_SCALE_FACTORS="1;1.5" start_aquarium
before=$(frame_segments)
((before > 0)) || fail "no frames in shared memory"
xrandr --output DUMMY1 --primary
sleep 1.5
xrandr --output DUMMY0 --primary
sleep 1.5
after=$(frame_segments)
((after == before)) || fail "$before frame segments at the start, $after after the move and back"
check_both_monitors monitors-scales-back
end_aquarium
saved_today || fail "not saved after the moves"
echo "PASS"
