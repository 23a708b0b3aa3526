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

# Xorg on the script's display with outputs DUMMY0 and DUMMY1 side by side,
# 1920 x 1080 each; the X server is ended by the common clean-up.
start_two_monitors() {
    cat >"$WORK/xorg.conf" <<'EOF'
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 3840 1080
    EndSubSection
EndSection
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "DontVTSwitch" "true"
EndSection
EOF
    Xorg "$DISPLAY" -config "$WORK/xorg.conf" -noreset -nolisten tcp -novtswitch -sharevts \
        -logfile "$WORK/xorg.log" >"$WORK/xorg.out" 2>&1 &
    E2E_XVFB_PID=$!
    local i
    for i in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || fail "Xorg did not start: $(tail -5 "$WORK/xorg.out")"
        sleep 0.1
    done
    xrandr --newmode fw1080 173.00 1920 2048 2248 2576 1080 1083 1088 1120 -hsync +vsync
    xrandr --addmode DUMMY0 fw1080
    xrandr --addmode DUMMY1 fw1080
    xrandr --output DUMMY0 --mode fw1080 --pos 0x0 --primary \
        --output DUMMY1 --mode fw1080 --pos 1920x0
    [[ $(xrandr --listmonitors | head -1) == "Monitors: 2" ]] ||
        fail "no two monitors: $(xrandr --listmonitors)"
}

# Both halves of the screen are the tank: ground but for the same fish.
check_both_monitors() {
    local file
    file=$(shot "$1")
    convert "$file" -crop 1920x1080+0+0 +repage "$WORK/left.png"
    convert "$file" -crop 1920x1080+1920+0 +repage "$WORK/right.png"
    local left right
    left=$(share_of "$WORK/left.png" "$GROUND")
    right=$(share_of "$WORK/right.png" "$GROUND")
    ((left > 98000 && left < 100000)) || fail "$1: the first monitor is $left/100000 ground"
    ((right > 98000 && right < 100000)) || fail "$1: the second monitor is $right/100000 ground"
    local d=$((left - right))
    ((d < 0)) && d=$((-d))
    ((d < 100)) || fail "$1: the monitors show different tanks ($left and $right)"
}

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
echo "PASS"
