#!/bin/bash
# A Wayland session (sway, headless): the tank fills the output at scale 1
# and 2, a key ends it and saves, so do SIGTERM and a counting mouse move
# under end pattern "0", the cursor hides, a compositor that dies takes the
# tank with it but not its state, swayidle as the README sets it up starts
# the saver once per idle period, and the X11-only hosted mode ends with a
# clear message when no X server is reachable.
# Usage: desktop_wayland.sh <finwicks binary> <wayland_pointer binary>
source "$(dirname "$0")/desktop_lib.sh" "$1" 132
POINTER_TOOL=$(readlink -f "$2")
unset DISPLAY

FISH=$(
    fish_record 0 Angel 200 1 200 300 && echo
    fish_record 1 Glow 200 2 900 400 && echo
    fish_record 4 Nemo 200 1 400 940
)

# sway refuses to run as root: as root, the session belongs to a user of
# its own, which reads the program and owns the session's folders.
WL_USER=$(id -un)
if [[ $(id -u) -eq 0 ]]; then
    WL_USER=finwicks-e2e
    id "$WL_USER" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
            "$WL_USER"
    chmod 755 "$WORK"
    chown "$WL_USER" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
fi
WAYLAND_DISPLAY=
SWAYSOCK=
# The command line that runs a program as the session's user. setpriv
# replaces itself with the program, so $! of a background start is the
# program's own pid, and only what this script started is ever stopped.
user_command() {
    USER_COMMAND=()
    [[ $(id -u) -eq 0 ]] && USER_COMMAND=(setpriv --reuid="$WL_USER" --regid="$(id -g "$WL_USER")"
        --clear-groups --)
    USER_COMMAND+=(env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$WORK"
        XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" XDG_CONFIG_HOME="$XDG_CONFIG_HOME"
        WAYLAND_DISPLAY="$WAYLAND_DISPLAY" SWAYSOCK="$SWAYSOCK" ASAN_OPTIONS="${ASAN_OPTIONS:-}")
}
as_user() {
    user_command
    "${USER_COMMAND[@]}" "$@"
}
SWAY_PID=
SESSION_PIDS=()
APP_PID=

# stop_pids PID...: ends these processes of ours and waits for them.
stop_pids() {
    local pid
    for pid in "$@"; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "$@"; do
        local i
        for i in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# Everything the script started as the session's user ends with it.
cleanup() {
    exec 7>&-
    stop_pids ${APP_PID:+"$APP_PID"} "${SESSION_PIDS[@]}" ${SWAY_PID:+"$SWAY_PID"}
    e2e_cleanup
}
trap cleanup EXIT

# start_sway SCALE: a headless sway with one 1920 x 1080 output of that
# scale, a keyboard (wtype holding one open, since a key typed while the
# seat has none arrives before the program could take it) and a pointer.
start_sway() {
    local scale=$1
    stop_sway
    cat >"$WORK/sway.conf" <<EOF
output HEADLESS-1 mode $((1920 * scale))x$((1080 * scale)) position 0 0 scale $scale
default_border none
xwayland disable
EOF
    chmod 644 "$WORK/sway.conf"
    user_command
    "${USER_COMMAND[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$WORK/sway.conf" -D noscanout >"$WORK/sway.log" 2>&1 &
    SWAY_PID=$!
    # sway names its socket itself; the runtime folder is this script's own.
    local i socket
    for i in $(seq 100); do
        socket=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'wayland-*' | head -1)
        [[ -n $socket ]] && break
        sleep 0.1
    done
    [[ -n $socket ]] || fail "sway did not start: $(tail -5 "$WORK/sway.log")"
    WAYLAND_DISPLAY=$(basename "$socket")
    for i in $(seq 50); do
        SWAYSOCK=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'sway-ipc.*' | head -1)
        [[ -n $SWAYSOCK ]] && break
        sleep 0.1
    done
    # The socket is there before sway answers on it; a busy machine shows.
    for i in $(seq 100); do
        as_user swaymsg -t get_version >/dev/null 2>&1 && break
        kill -0 "$SWAY_PID" 2>/dev/null || fail "sway ended: $(tail -5 "$WORK/sway.log")"
        sleep 0.1
    done
    user_command
    "${USER_COMMAND[@]}" wtype -s 3600000 &
    SESSION_PIDS+=($!)
    rm -f "$WORK/pointer.in"
    mkfifo "$WORK/pointer.in"
    chmod 666 "$WORK/pointer.in"
    user_command
    "${USER_COMMAND[@]}" "$POINTER_TOOL" $((1920 * scale)) $((1080 * scale)) \
        <"$WORK/pointer.in" >"$WORK/pointer.out" 2>&1 &
    SESSION_PIDS+=($!)
    exec 7>"$WORK/pointer.in"
    for i in $(seq 50); do
        grep -q ready "$WORK/pointer.out" && return 0
        sleep 0.1
    done
    fail "no pointer: $(cat "$WORK/pointer.out")"
}

stop_sway() {
    exec 7>&-
    [[ -n $WAYLAND_DISPLAY ]] || return 0
    stop_pids ${APP_PID:+"$APP_PID"} "${SESSION_PIDS[@]}" "$SWAY_PID"
    APP_PID=
    SESSION_PIDS=()
    SWAY_PID=
    rm -f "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY.lock"
    WAYLAND_DISPLAY=
}

pointer() {
    echo "$*" >&7
    sleep 0.3
}

# The program's pid while it runs; empty once it has ended (and been waited for).
program_pid() {
    [[ -n $APP_PID ]] || return 0
    if kill -0 "$APP_PID" 2>/dev/null && [[ $(awk '{print $3}' "/proc/$APP_PID/stat") != Z ]]; then
        echo "$APP_PID"
    else
        wait "$APP_PID" 2>/dev/null || true
        APP_PID=
    fi
}

# The settings file, owned by the session's user (one it cannot write it
# would rightly not replace).
reset_ini() {
    write_ini backcolor=$GROUND_SETTING "$@"
    [[ $(id -u) -ne 0 ]] || chown -R "$WL_USER" "$XDG_CONFIG_HOME"
}

start_wayland_aquarium() {
    reset_ini "$@"
    user_command
    "${USER_COMMAND[@]}" QT_QPA_PLATFORM=wayland "$FINWICKS" /s >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    local i
    for i in $(seq 100); do
        [[ -n $(program_pid) ]] && as_user swaymsg -t get_tree 2>/dev/null | grep -q '"pid"' &&
            { sleep 1.5; return 0; }
        sleep 0.1
    done
    fail "no aquarium on Wayland: $(cat "$WORK/app.log")"
}

wait_ended() {
    local i
    for i in $(seq 100); do
        [[ -z $(program_pid) ]] && return 0
        sleep 0.1
    done
    fail "$1"
}

wayland_shot() {
    as_user grim "$@" "$XDG_RUNTIME_DIR/shot.png"
    cp "$XDG_RUNTIME_DIR/shot.png" "$SHOTS/$LABEL.png"
    echo "$SHOTS/$LABEL.png"
}

# check_filled FILE "W x H": the whole output shows the tank.
check_filled() {
    local w h
    read -r w h <<<"$(identify -format '%w %h' "$1")"
    [[ "$w x $h" == "$2" ]] || fail "$LABEL: the screenshot is $w x $h, not $2"
    check_quarters "$1" "$LABEL"
}

for scale in 1 2; do
    LABEL=wayland-scale$scale
    start_sway "$scale"
    start_wayland_aquarium
    check_filled "$(wayland_shot)" "$((1920 * scale)) x $((1080 * scale))"
    as_user wtype q
    wait_ended "$LABEL: a key did not end the program"
    saved_today || fail "$LABEL: not saved after a key"
done

# The cursor stays hidden until a counting move shows it with the buttons.
LABEL=wayland-cursor
start_sway 1
start_wayland_aquarium
pointer move 960 540
hidden=$(share_of "$(wayland_shot -c -g '940,520 60x60')" "$GROUND")
((hidden == 100000)) || fail "the cursor shows before the mouse moved ($hidden/100000 ground)"
pointer move 1000 580
shown=$(share_of "$(wayland_shot -c -g '980,560 60x60')" "$GROUND")
((shown < 100000)) || fail "no cursor after a counting move"

# SIGTERM saves.
reset_ini
kill -TERM "$(program_pid)"
wait_ended "SIGTERM did not end the program"
saved_today || fail "not saved after SIGTERM"

# Under end pattern "0" a 1-pixel move goes on, a counting one ends.
start_wayland_aquarium endpattern=0
pointer move 500 500
pointer move 501 501
[[ -n $(program_pid) ]] || fail "a 1-pixel move ended it"
pointer move 540 540
wait_ended "a counting mouse move did not end the program"
saved_today || fail "not saved after a mouse move"

# The compositor goes away under the tank: the run is saved all the same.
LABEL=wayland-compositor-gone
start_wayland_aquarium
kill -KILL "$SWAY_PID"
wait "$SWAY_PID" 2>/dev/null || true
wait_ended "the tank runs on without its compositor"
saved_today || fail "nothing saved when the compositor went away: $(cat "$WORK/app.log")"
stop_sway

# swayidle without -w, as the README has it: the saver starts after the
# timeout; a mouse bump (which end pattern "2" lets pass) and another idle
# timeout start a second copy, which ends at once; a key ends the saver, and
# the next start waits the whole timeout again.
LABEL=wayland-swayidle
IDLE=4
start_sway 1
reset_ini
cat >"$WORK/saver" <<EOF
#!/bin/sh
echo \$\$ >>"$WORK/savers"
QT_QPA_PLATFORM=wayland exec "$FINWICKS" /s >>"$XDG_RUNTIME_DIR/saver.log" 2>&1
EOF
chmod 755 "$WORK/saver"
: >"$WORK/savers"
chmod 666 "$WORK/savers"
user_command
"${USER_COMMAND[@]}" swayidle timeout "$IDLE" "$WORK/saver" >"$WORK/swayidle.log" 2>&1 &
SESSION_PIDS+=($!)
saver_count() { wc -l <"$WORK/savers"; }
# wait_saver COUNT SECONDS: waits for a start beyond the first COUNT.
wait_saver() {
    local count=$1 seconds=$2 i
    for i in $(seq $((seconds * 10))); do
        (($(saver_count) > count)) && return 0
        sleep 0.1
    done
    return 1
}
# gone PID: waits up to five seconds for a saver to end.
gone() {
    local i
    for i in $(seq 50); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
wait_saver 0 $((IDLE + 10)) || fail "swayidle started no saver: $(cat "$WORK/swayidle.log")"
saver=$(sed -n 1p "$WORK/savers")
sleep 1.5
pointer move 300 300
pointer move 600 500
kill -0 "$saver" 2>/dev/null || fail "a mouse bump ended the saver under end pattern 2"
wait_saver 1 $((IDLE + 10)) || fail "no second start after another idle timeout"
gone "$(sed -n 2p "$WORK/savers")" || fail "a second saver runs beside the first"
kill -0 "$saver" 2>/dev/null || fail "the second start ended the first saver"
as_user wtype q
gone "$saver" || fail "a key did not end the saver"
ended=$(saver_count)
sleep $((IDLE - 1))
(($(saver_count) == ended)) || fail "swayidle started the saver again within its timeout"
wait_saver "$ended" $((IDLE + 10)) || fail "no saver after the next idle timeout"
last=$(sed -n "$((ended + 1))p" "$WORK/savers")
sleep 1
kill -TERM "$last" 2>/dev/null || true
gone "$last" || fail "the last saver did not end on SIGTERM"
stop_sway

# Drawing into another window needs X.
if as_user "$FINWICKS" --root >"$WORK/root.log" 2>&1; then
    fail "--root without an X server succeeded"
fi
grep -q "needs an X server" "$WORK/root.log" || fail "no clear message: $(cat "$WORK/root.log")"
echo "PASS"
