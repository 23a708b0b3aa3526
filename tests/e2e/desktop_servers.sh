#!/bin/bash
# X servers that take no shared memory from us: one without the MIT-SHM
# extension, one reached over TCP (which refuses a remote client's
# segments), and the program in an IPC namespace of its own. On each the
# tank animates and shows its fish under /s (one monitor and two), in a
# host's window under --root, ends on a key (the host's SIGTERM) and saves;
# the margin around a centred picture stays the window's black when the
# buttons hide or a window over it goes.
source "$(dirname "$0")/desktop_lib.sh" "$1" 133

FISH=$(
    fish_record 0 Angel 200 1 200 300 && echo
    fish_record 1 Glow 200 2 700 400 && echo
    fish_record 3 Hatchet 200 2 500 40 && echo
    fish_record 4 Nemo 200 1 300 700
)
# An 800 x 600 picture of the ground colour, centred on the 1024 x 768 screen.
PICTURE="$WORK/ground.bmp"
convert -size 800x600 "xc:$GROUND" "BMP3:$PICTURE"

# start_server KIND MONITORS: an X server for this kind (1 or 2 monitors);
# sets DISPLAY and APP_WRAPPER.
start_server() {
    local kind=$1 monitors=$2
    e2e_stop_x
    APP_WRAPPER=()
    DISPLAY=":$DISPLAY_NUMBER"
    local xvfb=(-nolisten tcp) xorg=() extra=
    case $kind in
    no-shm)
        xvfb=(-nolisten tcp -extension MIT-SHM)
        extra=$'Section "Extensions"\n    Option "MIT-SHM" "Disable"\nEndSection'
        ;;
    tcp)
        xvfb=(-listen tcp)
        xorg=(-listen tcp)
        DISPLAY="127.0.0.1:$DISPLAY_NUMBER"
        ;;
    ipc) APP_WRAPPER=(unshare --ipc) ;;
    esac
    export DISPLAY
    if ((monitors == 2)); then
        XORG_EXTRA_CONFIG=$extra start_two_monitors "${xorg[@]}"
        return
    fi
    Xvfb ":$DISPLAY_NUMBER" -screen 0 1024x768x24 "${xvfb[@]}" -ac -noreset \
        >"$WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    local i
    for i in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || fail "$kind: Xvfb did not start"
        sleep 0.1
    done
    if [[ $kind == no-shm ]] && xdpyinfo -queryExtensions | grep -q MIT-SHM; then
        fail "no-shm: the server has MIT-SHM"
    fi
}

# differing_pixels A B: how many pixels two screenshots differ in.
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

# animates LABEL FILE GEOMETRY: another screenshot a second later differs
# within GEOMETRY, and both show fish on the ground (neither is all ground).
animates() {
    local label=$1 first=$2 geometry=$3 second
    sleep 1
    second=$(shot "$label-later")
    convert "$first" -crop "$geometry" +repage "$WORK/a.png"
    convert "$second" -crop "$geometry" +repage "$WORK/b.png"
    local changed ground
    changed=$(differing_pixels "$WORK/a.png" "$WORK/b.png")
    ((changed > 50)) || fail "$label: the tank does not move ($changed pixels changed)"
    ground=$(share_of "$WORK/b.png" "$GROUND")
    ((ground > 90000 && ground < 99990)) || fail "$label: $ground/100000 ground, no tank of fish"
}

ends_on_key_and_saves() {
    end_aquarium
    saved_today || fail "$1: not saved after a key"
    grep -q "X11 connection\|Unsupported extension" "$WORK/app.log" &&
        fail "$1: $(cat "$WORK/app.log")"
    return 0
}

check_screen_saver() {
    local kind=$1 file
    write_ini backcolor=$GROUND_SETTING fishmovespeed=100
    start_aquarium
    # In an IPC namespace of its own the frames still go through shared
    # memory, passed as a memory file; the other servers take none.
    local frames
    frames=$(grep -c 'memfd:finwicks-frame' "/proc/$APP_PID/maps" || true)
    if [[ $kind == ipc ]]; then
        ((frames > 0)) || fail "ipc: no frames in shared memory"
    else
        ((frames == 0)) || fail "$kind: $frames shared memory mappings on a server that takes none"
    fi
    file=$(shot "servers-$kind")
    check_quarters "$file" "$kind"
    animates "servers-$kind" "$file" 1024x768+0+0
    ends_on_key_and_saves "$kind"
}

# lit FILE GEOMETRY: the number of pixels in the rectangle that are not black.
lit() {
    convert "$1" -crop "$2" +repage -fill white +opaque black -format '%[fx:int(mean*w*h+0.5)]' \
        info:
}

# The margin around the centred picture is all black: the strip above it,
# where the buttons were, and the one left of it.
margin_is_black() {
    local label=$1 file count
    file=$(shot "$label")
    count=$(lit "$file" 1024x84+0+0)
    ((count == 0)) || fail "$label: $count pixels above the picture are lit"
    count=$(lit "$file" 112x768+0+0)
    ((count == 0)) || fail "$label: $count pixels left of it are lit"
}

check_margin() {
    local kind=$1
    write_ini backcolor=$GROUND_SETTING fishmovespeed=100 screenvisible=1 "screenbitmap=$PICTURE"
    start_aquarium
    xdotool mousemove 500 300
    sleep 0.3
    xdotool mousemove 520 320
    sleep 0.8
    local shown
    shown=$(shot "margin-$kind-buttons")
    (($(lit "$shown" 300x30+724+0) > 1000)) || fail "$kind: no buttons shown"
    sleep 3.5
    margin_is_black "margin-$kind-hidden"
    # A window over the margin goes away again.
    xev -geometry 200x60+700+5 -name cover >/dev/null 2>&1 &
    local cover=$!
    sleep 0.8
    kill "$cover"
    wait "$cover" 2>/dev/null || true
    sleep 0.5
    margin_is_black "margin-$kind-exposed"
    animates "margin-$kind" "$(shot "margin-$kind-now")" 800x600+112+84
    ends_on_key_and_saves "$kind margin"
}

check_hosted() {
    local kind=$1
    write_ini backcolor=$GROUND_SETTING fishmovespeed=100
    xev -geometry 400x300+10+10 -name host -event property >/dev/null 2>&1 &
    local host_pid=$! host=
    local i
    for i in $(seq 50); do
        host=$(xdotool search --name '^host$' 2>/dev/null | head -1 || true)
        [[ -n $host ]] && break
        sleep 0.1
    done
    [[ -n $host ]] || fail "$kind: no host window"
    XSCREENSAVER_WINDOW=$host "${APP_WRAPPER[@]}" "$FINWICKS" --root >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    sleep 3
    kill -0 "$APP_PID" 2>/dev/null || fail "$kind --root ended: $(cat "$WORK/app.log")"
    local file
    file=$(shot "servers-$kind-root")
    animates "servers-$kind-root" "$file" 400x300+10+10
    # The host ends its saver with SIGTERM; the tank is saved.
    kill -TERM "$APP_PID"
    for i in $(seq 50); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$APP_PID" 2>/dev/null && fail "$kind --root: no end on SIGTERM"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    saved_today || fail "$kind --root: not saved"
    kill "$host_pid"
    wait "$host_pid" 2>/dev/null || true
}

check_two_monitors() {
    local kind=$1 first second left right
    write_ini backcolor=$GROUND_SETTING fishmovespeed=100
    start_aquarium
    first=$(shot "servers-$kind-two")
    sleep 1
    check_both_monitors "servers-$kind-two-again"
    second="$SHOTS/servers-$kind-two-again.png"
    for half in 1920x1080+0+0 1920x1080+1920+0; do
        convert "$first" -crop "$half" +repage "$WORK/a.png"
        convert "$second" -crop "$half" +repage "$WORK/b.png"
        (($(differing_pixels "$WORK/a.png" "$WORK/b.png") > 50)) ||
            fail "$kind: the monitor at $half does not move"
    done
    ends_on_key_and_saves "$kind two monitors"
}

for kind in no-shm tcp ipc; do
    if [[ $kind == ipc ]] && ! unshare --ipc true 2>/dev/null; then
        echo "SKIP ipc: unshare --ipc is not allowed here"
        continue
    fi
    start_server "$kind" 1
    check_screen_saver "$kind"
    check_margin "$kind"
    check_hosted "$kind"
    start_server "$kind" 2
    check_two_monitors "$kind"
    echo "ok: $kind"
done
echo "PASS"
