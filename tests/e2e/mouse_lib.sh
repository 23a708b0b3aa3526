# Shared by the mouse and background end-to-end tests: the common X server
# (1024x768), folders and clean-up, plus a settings file written by the test
# and screenshots.
# Usage: source mouse_lib.sh <finwicks binary> <display number>

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

FINWICKS=$(readlink -f "$1")
DISPLAY_NUMBER=$2
export DISPLAY=":$DISPLAY_NUMBER"
WORK=$E2E_WORK
INI=$E2E_SETTINGS
mkdir -p "$(dirname "$INI")"
SHOTS=${FINWICKS_SHOTS:-$WORK}
APP_PID=

start_x() { e2e_start_x "$DISPLAY_NUMBER"; }

# A fish record: species, name, days old, sex, left, top (no step).
fish_record() {
    local species=$1 name=$2 days=$3 sex=$4 left=$5 top=$6
    local birth=$(( $(date +%s) / 86400 + 25569 - days ))
    printf '%s%-10s%05d%s%83s%05d%05d%05d%05d' "$species" "$name" "$birth" "$sex" "" \
        "$left" "$top" 0 0
}

# Writes the settings file: mouse use allowed every time, a slow animation,
# white text on black, no names, no clock, no bubbles; extra "key=value"
# arguments replace the defaults of the [system] section. The fish records
# come from FISH (one per line).
write_ini() {
    local -A system=(
        [version]=1.00 [date]=2000/01/01 [time]=00:00:00 [endpattern]=2
        [fishmovespeed]=1000 [sound1]=0 [sound2]=0 [soundfile]= [forecolor]=16777215
        [backcolor]=0 [namevisible]=0 [screenvisible]=0 [screenbitmap]= [screenclear]=0
        [screencleartime]=30 [timevisible]=0 [timestyle]=00 [timeposition]=03)
    local pair
    for pair in "$@"; do
        system[${pair%%=*}]=${pair#*=}
    done
    local key
    {
        echo "[system]"
        for key in version date time endpattern fishmovespeed sound1 sound2 soundfile \
            forecolor backcolor namevisible screenvisible screenbitmap screenclear \
            screencleartime timevisible timestyle timeposition; do
            echo "$key=${system[$key]}"
        done
        # Hours that read as no hour keep the light on, water changed today
        # is clear and at 28 °C every fish swims at its own pace: the screen
        # is the same at any hour and on any day.
        cat <<CASE
[case]
food1=0
food2=0
foodtime1=08:00:00
foodtime2=18:00:00
lighton=08:00:00
lightoff=22:00:00
wtemp=28
wautochange=0
wchangeinterval=7
wquantity=30
wchangedate=$(date +%Y/%m/%d)
bubble_view=1
bubble_dist=1
bubble_initx=100
bubble_inity=700
bubble_init_rand=0
bubble_init_time=0
bubble_limity=0
bubble_count_max=1
[fish]
CASE
        local n=0 record
        while IFS= read -r record; do
            [[ -z "$record" ]] && continue
            n=$((n + 1))
            printf 'f%02d=%s\n' "$n" "$record"
        done <<<"${FISH:-}"
    } | sed 's/$/\r/' >"$INI"
}

# Starts the screen saver and waits until its window shows. APP_WRAPPER, a
# command that ends by running its arguments in its own place (unshare), may
# run it.
APP_WRAPPER=()
start_aquarium() {
    "${APP_WRAPPER[@]}" "$FINWICKS" /s >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    local i
    for i in $(seq 100); do
        if xdotool search --onlyvisible --pid "$APP_PID" >/dev/null 2>&1; then
            sleep 1.5 # the first focus prepares the scene
            return 0
        fi
        kill -0 "$APP_PID" 2>/dev/null || fail "finwicks ended at start: $(cat "$WORK/app.log")"
        sleep 0.1
    done
    fail "no aquarium window"
}

# Ends the program with a key (which always ends and saves) and waits.
end_aquarium() {
    xdotool key space
    local i
    for i in $(seq 100); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            wait "$APP_PID" 2>/dev/null || true
            APP_PID=
            return 0
        fi
        sleep 0.1
    done
    fail "finwicks did not end on a key"
}

shot() {
    local file="$SHOTS/$1.png"
    import -window root "$file"
    echo "$file"
}

# The colour of one pixel of a screenshot as "r,g,b" (0-255).
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# The number of pixels of a colour inside a rectangle of a screenshot.
count_colour() {
    local file=$1 geometry=$2 colour=$3
    convert "$file" -crop "$geometry" +repage -fill black +opaque "$colour" -fill white \
        -opaque "$colour" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# set_ini KEY VALUE: replaces a key's value in the settings file.
set_ini() { sed -i "s|^$1=.*\r\$|$1=$2\r|" "$INI"; }

# A value of the settings file.
ini_value() { tr -d '\r' <"$INI" | sed -n "s/^$1=//p" | head -1; }

# left and top of fish record n of the settings file, as numbers.
fish_position() {
    local record
    record=$(ini_value "f$(printf %02d "$1")")
    echo "$((10#${record:100:5})) $((10#${record:105:5}))"
}

near() { local d=$(($1 - $2)); ((d < 0)) && d=$((-d)); ((d <= $3)); }
