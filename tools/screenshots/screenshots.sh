#!/usr/bin/env bash
# Makes the pictures the documents show, the same every time: a fixed tank
# (the starter fish grown up, with names and the clock) at fixed hours of
# the day (faketime) in a 1024x768 Xvfb without a window manager.
#
# The pictures are quantised to 255 colours, which keeps each of them far
# under the 300 kB a picture in the repository may take; a larger one fails.
#
# usage: tools/screenshots/screenshots.sh [--build DIR] [--out DIR] [--all]
#   --all also makes the pictures for looking at that the documents do not
#   show: dusk, and the tank over a background picture by day, at dusk and
#   at night.
set -euo pipefail

build=build
out=docs/screenshots
all=false
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build) build=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --all) all=true; shift ;;
    *) echo "usage: $0 [--build DIR] [--out DIR] [--all]" >&2; exit 2 ;;
    esac
done
cd "$(dirname "$0")/../.."
finwicks=$(realpath -m "$build")/src/startup/finwicks
out=$(realpath -m "$out")
[[ -x $finwicks ]] || { echo "finwicks is not built in $build" >&2; exit 1; }
mkdir -p "$out"

source "$PWD/tests/e2e/e2e_common.sh"
e2e_start_x 164 1024x768
ini=$E2E_SETTINGS

# shoot NAME HH:MM:SS [SECONDS]: starts the saver at that time of day, waits
# until the tank has swum a while (6 s unless said), takes the screen and
# ends it with a key.
shoot() {
    at_time "$2"
    "${AT_TIME[@]}" "$finwicks" /s >"$E2E_WORK/app.log" 2>&1 &
    local pid=$!
    sleep "${3:-6}"
    import -window root "$E2E_WORK/shot.png"
    xdotool key space
    wait "$pid" || { echo "finwicks failed at $2:" >&2; tail -40 "$E2E_WORK/app.log" >&2; }
    # Fewer colours keep the files small; the tank's own pictures have few.
    convert "$E2E_WORK/shot.png" -colors 255 PNG8:"$out/$1.png"
    local size
    size=$(stat -c %s "$out/$1.png")
    ((size <= 300 * 1024)) || { echo "$out/$1.png takes $size bytes, over 300 kB" >&2; exit 1; }
    echo "$out/$1.png ($((size / 1024)) kB)"
}

set_key() { sed -i "s|^$1=.*\r\$|$1=$2\r|" "$ini"; }

# The first-run tank, made once at noon; its fish then a year older, so they
# show grown up.
at_time 12:00:00
"${AT_TIME[@]}" "$finwicks" /s >"$E2E_WORK/app.log" 2>&1 &
pid=$!
sleep 4
xdotool key space
wait "$pid" || true
[[ -s $ini ]] || { echo "the first run wrote no settings" >&2; exit 1; }
awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
     /^f[0-9]+=/ { split($0, kv, "="); r = kv[2]
                   $0 = kv[1] "=" substr(r, 1, 11) sprintf("%05d", substr(r, 12, 5) - 365) substr(r, 17) }
     { print }' "$ini" >"$ini.new" && mv "$ini.new" "$ini"
set_key namevisible 1
set_key timevisible 1
set_key timeposition 02
set_key backcolor 6042135 # a deep blue-green: 23 50 92 (red, green, blue)
set_key lighton 09
set_key lightoff 21
set_key bubble_count_max 60

shoot tank-day 12:00:00
shoot tank-night 23:30:00
# The noon feeding, a quarter of a minute after the food fell (saved just
# before, so no feeding was missed).
set_key time 11:59:00
shoot tank-feeding 11:59:55 20
# Water last changed a month and a half ago, and not changed by itself.
set_key wchangedate "$(date -d '-45 days' +%Y/%m/%d)"
set_key wautochange 0
shoot tank-murky 12:00:00
set_key wchangedate "$(date +%Y/%m/%d)"
if $all; then
    shoot tank-dusk 21:15:00
    convert -size 1024x768 gradient:'#2f7fa8-#0b2233' \
        \( -size 1024x200 gradient:'#3c6b2a-#1d3314' \) -gravity south -composite \
        "$E2E_WORK/picture.bmp"
    set_key screenvisible 1
    set_key screenbitmap "$E2E_WORK/picture.bmp"
    shoot picture-day 12:00:00
    shoot picture-dusk 21:15:00
    shoot picture-night 23:30:00
fi
