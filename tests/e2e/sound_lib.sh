# Shared by the sound end-to-end tests: the mouse tests' X server, settings
# file and aquarium helpers, plus a PulseAudio server of the test's own with
# a null sink whose monitor can be recorded.
# Usage: source sound_lib.sh <finwicks binary> <display number>

source "$(dirname "${BASH_SOURCE[0]}")/mouse_lib.sh" "$1" "$2"

PULSE_PID=
# The server lives in the test's runtime folder; nothing reaches the
# desktop's own sound server, and it needs no D-Bus, no login session and
# no unprivileged user (it warns when run as root and goes on).
start_pulse() {
    export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse"
    export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
    export PULSE_STATE_PATH="$WORK/pulse-state"
    export PULSE_COOKIE="$WORK/pulse-cookie"
    export HOME="$WORK/home"
    mkdir -p "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH" "$HOME"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
        --load="module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1" \
        --load="module-null-sink sink_name=tank rate=44100 channels=2" \
        --log-target=stderr >"$WORK/pulse.log" 2>&1 &
    PULSE_PID=$!
    local i
    for i in $(seq 100); do
        pactl info >/dev/null 2>&1 && pactl set-default-sink tank && return 0
        kill -0 "$PULSE_PID" 2>/dev/null || break
        sleep 0.1
    done
    fail "PulseAudio did not start: $(tail -5 "$WORK/pulse.log")"
}

# The streams playing into the server, one "index binary" line each.
streams() {
    pactl list sink-inputs | awk '
        /^Sink Input #/ { index_ = substr($3, 2) }
        /application.process.binary = / { gsub(/"/, "", $3); print index_, $3 }'
}

# The processes of finwicks that are connected to the server, one a line.
sound_clients() {
    pactl list clients | awk '
        /^Client #/ { if (binary == "finwicks") print pid; pid = ""; binary = "" }
        /application.process.id = / { gsub(/"/, "", $3); pid = $3 }
        /application.process.binary = / { gsub(/"/, "", $3); binary = $3 }
        END { if (binary == "finwicks") print pid }' | sort -u
}

# record SECONDS FILE: what the sink plays, as raw 16-bit stereo at 22050 Hz.
record() {
    parec -d tank.monitor --raw --format=s16le --rate=22050 --channels=2 >"$2" &
    local pid=$!
    sleep "$1"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# The RMS level of channel 1 (left) or 2 (right) of a recording.
level() {
    sox -t raw -r 22050 -e signed -b 16 -c 2 "$1" -n remix "$2" stat 2>&1 |
        awk '/RMS +amplitude/ { print $3 }'
}

# louder A B: level A is more than twice level B.
louder() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > 2 * b) }'; }
# audible A: level A stands clear of silence.
audible() { awk -v a="$1" 'BEGIN { exit !(a > 0.0005) }'; }
