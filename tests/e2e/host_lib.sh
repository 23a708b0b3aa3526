# Shared by the hosting end-to-end tests: the common X server, folders and
# clean-up, plus helpers to read back windows, pictures and the settings file.
# Usage: source host_lib.sh <finwicks binary> <display number>

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

FINWICKS=$(readlink -f "$1")
DISPLAY_NUMBER=$2
export DISPLAY=":$DISPLAY_NUMBER"
WORK=$E2E_WORK
# The xscreensaver test runs the saver as another user, who must reach it.
chmod 755 "$WORK"
INI=$E2E_SETTINGS

# Starts the X server at the given size (default 1024x768) and waits for it.
start_x() { e2e_start_x "$DISPLAY_NUMBER" "${1:-1024x768}"; }

# Runs a command in the background (clean-up ends it); the pid is left in
# LAST_PID.
spawn() {
    "$@" &
    LAST_PID=$!
}

# Alive and not a zombie.
running() { kill -0 "$1" 2>/dev/null && [[ $(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) != Z ]]; }

# Waits up to the given seconds for a process to end; its exit status in
# ENDED_STATUS.
wait_end() {
    local pid=$1 seconds=$2 i
    for i in $(seq $((seconds * 20))); do
        if ! running "$pid"; then
            ENDED_STATUS=0
            wait "$pid" 2>/dev/null || ENDED_STATUS=$?
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# A window that stands in for a host's: xev makes a plain top-level window.
# Its id goes to HOST_WINDOW.
make_host_window() {
    local geometry=$1 title=$2
    spawn xev -geometry "$geometry" -name "$title" -event property >/dev/null 2>&1
    local i
    for i in $(seq 50); do
        HOST_WINDOW=$(xdotool search --name "^$title\$" 2>/dev/null | head -1 || true)
        [[ -n "$HOST_WINDOW" ]] && return 0
        sleep 0.1
    done
    fail "no host window $title"
}

# The children of a window, one "id widthxheight" per line.
children_of() {
    local which=(-id "$1")
    [[ "$1" == root ]] && which=(-root)
    xwininfo -children "${which[@]}" | awk '/^ +0x[0-9a-f]+ / {
        for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) { split($i, g, "+"); print $1, g[1] } }'
}

# The ids of the root window's children that are mapped.
mapped_top_levels() {
    local id size
    children_of root | while read -r id size; do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
    done
    return 0
}

# Waits until the window has a child of the given size (our aquarium).
wait_child_size() {
    local window=$1 size=$2 seconds=${3:-20} i
    for i in $(seq $((seconds * 10))); do
        children_of "$window" | grep -q " $size\$" && return 0
        sleep 0.1
    done
    echo "children of $window:" >&2
    children_of "$window" >&2 || true
    return 1
}

# The number of colours in a screenshot of a window: a plain background with a
# line of text has a handful, fish and bubbles bring many more.
colour_count() {
    local window=$1 file="$WORK/shot-$1-$RANDOM.png"
    import -window "$window" "$file" 2>/dev/null
    convert "$file" -format %k info:
}

# Waits until a window shows at least the given number of colours.
wait_colours() {
    local window=$1 minimum=$2 seconds=${3:-20} i count=0
    for i in $(seq $((seconds * 2))); do
        count=$(colour_count "$window" || echo 0)
        ((count >= minimum)) && return 0
        sleep 0.5
    done
    echo "window $window shows only $count colours" >&2
    return 1
}

# Waits for the settings file to exist.
wait_ini() {
    local i
    for i in $(seq 200); do
        [[ -s "$INI" ]] && return 0
        sleep 0.1
    done
    fail "no settings file at $INI"
}

# The fish records of the settings file, one per line, without line ends.
fish_records() { sed -n '/^\[fish\]/,$p' "$INI" | tr -d '\r' | grep -aE '^f[0-9]+='; }

# A settings file is whole: it has its date, the fish section and every
# line ends in CRLF.
ini_is_whole() {
    local file=$1
    [[ -s "$file" ]] || return 1
    grep -aq $'^date=[0-9/]*\r$' "$file" || return 1
    grep -aq $'^\\[fish\\]\r$' "$file" || return 1
    [[ $(tail -c 2 "$file" | od -An -c | tr -d ' ') == '\r\n' ]] || return 1
    ! grep -aqv $'\r$' "$file"
}

# Seconds since the epoch of the settings file's last save (its date and time).
saved_at() {
    local date time
    date=$(tr -d '\r' <"$INI" | sed -n 's/^date=//p')
    time=$(tr -d '\r' <"$INI" | sed -n 's/^time=//p')
    date -d "${date//\//-} $time" +%s
}

# Marks the settings file as saved long ago, so that a save shows.
age_ini() { sed -i 's|^date=.*\r$|date=2000/01/01\r|; s|^time=.*\r$|time=00:00:00\r|' "$INI"; }
