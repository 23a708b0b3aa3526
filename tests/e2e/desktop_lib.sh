# Shared by the desktop end-to-end tests (scale factors, monitors, Wayland):
# the mouse tests' set-up, a blue ground that tells the tank from an
# unpainted (black) screen, and checks on screenshots.
# Usage: source desktop_lib.sh <finwicks binary> <display number>

source "$(dirname "${BASH_SOURCE[0]}")/mouse_lib.sh" "$1" "$2"

GROUND="rgb(0,64,128)"
GROUND_SETTING=8404992

# share_of FILE COLOUR: the part of a picture in that colour, in
# hundred-thousandths.
share_of() {
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:int(100000*mean+0.5)]' info:
}

# check_quarters FILE LABEL: every quarter of the screenshot is ground but
# for a few fish.
check_quarters() {
    local file=$1 label=$2 w h quarter qx qy ground
    read -r w h <<<"$(identify -format '%w %h' "$file")"
    for quarter in "0 0" "1 0" "0 1" "1 1"; do
        read -r qx qy <<<"$quarter"
        convert "$file" -crop "$((w / 2))x$((h / 2))+$((qx * w / 2))+$((qy * h / 2))" +repage \
            "$WORK/quarter.png"
        ground=$(share_of "$WORK/quarter.png" "$GROUND")
        ((ground > 90000)) || fail "$label: quarter $quarter is only $ground/100000 ground"
    done
}

# The settings file was saved today.
saved_today() { [[ $(ini_value date) == "$(date +%Y/%m/%d)" ]]; }

# Xorg on the script's display with outputs DUMMY0 and DUMMY1 side by side,
# 1920 x 1080 each; the X server is ended by the common clean-up. Arguments
# replace "-nolisten tcp" (as "-listen tcp" does); XORG_EXTRA_CONFIG is added
# to the configuration.
start_two_monitors() {
    local listen=(-nolisten tcp)
    (($#)) && listen=("$@")
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
    echo "${XORG_EXTRA_CONFIG:-}" >>"$WORK/xorg.conf"
    Xorg ":$DISPLAY_NUMBER" -config "$WORK/xorg.conf" -noreset "${listen[@]}" -ac -novtswitch \
        -sharevts \
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
