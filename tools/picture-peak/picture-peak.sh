#!/usr/bin/env bash
# Shows hostile and large pictures to the aquarium on a 1920x1080 Xvfb and
# prints the program's peak resident memory (VmHWM) for each: a GIF whose
# logical screen is far larger than its frame, huge progressive and baseline
# JPEGs, a huge bitmap, and the largest pictures still accepted.
#
# usage: tools/picture-peak/picture-peak.sh [--build DIR] [--display :N]
set -euo pipefail

build=build
display=:62
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build) build=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--display :N]" >&2; exit 2 ;;
    esac
done
cd "$(dirname "$0")/../.."
finwicks=$(realpath -m "$build/src/startup/finwicks")
[[ -x $finwicks ]] || { echo "finwicks is not built in $build" >&2; exit 1; }

# The end-to-end tests' set-up: a work folder with private XDG folders, an
# Xvfb of our own, and clean-up of the program and the server.
source "$PWD/tests/e2e/e2e_common.sh"
work=$E2E_WORK
e2e_start_x "${display#:}" 1920x1080
mkdir -p "$XDG_CONFIG_HOME/finwicks"

echo "making the pictures..."
pictures=$work/pictures
mkdir -p "$pictures"
convert -size 16x16 xc:red -repage 11000x11000+0+0 "$pictures/gif-bomb-11000.gif"
convert -size 9000x7000 gradient:red-blue -interlace JPEG -quality 85 "$pictures/progressive-9000x7000.jpg"
convert -size 9000x7000 gradient:red-blue -interlace none -quality 85 "$pictures/baseline-9000x7000.jpg"
convert -size 8000x6000 gradient:red-blue -type TrueColor "BMP3:$pictures/bitmap-8000x6000.bmp"
convert -size 3800x2800 gradient:red-blue -type TrueColor "BMP3:$pictures/bitmap-3800x2800.bmp"
convert -size 4000x3000 gradient:red-blue -interlace JPEG -quality 85 "$pictures/progressive-4000x3000.jpg"
convert -size 2560x1600 gradient:red-blue +dither -colors 64 "$pictures/gif-2560x1600.gif"
convert -size 1920x1080 gradient:red-blue -quality 85 "$pictures/screen-1920x1080.jpg"

# peak FILE: the tank with that picture, its peak resident memory once the
# picture has been prepared, and whether it is shown.
peak() {
    local picture=$1 ini=$XDG_CONFIG_HOME/finwicks/FINWICKS.INI
    rm -f "$ini"
    "$finwicks" /s >/dev/null 2>&1 &
    program_pid=$!
    sleep 3
    kill -TERM "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    sed -i -e 's/^screenvisible=[^\r]*/screenvisible=1/' \
        -e "s|^screenbitmap=[^\\r]*|screenbitmap=$picture|" "$ini"
    "$finwicks" /s >"$work/finwicks.log" 2>&1 &
    program_pid=$!
    sleep 6
    local hwm shown
    hwm=$(awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$program_pid/status")
    kill -TERM "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    shown=refused
    grep -aq $'^screenvisible=1\r' "$ini" && shown=shown
    printf '%-28s %8s MB  %s\n' "$(basename "$picture")" "$hwm" "$shown"
}

printf '%-28s %11s  %s\n' picture "peak RSS" result
peak /nonexistent.bmp
for picture in "$pictures"/*; do
    peak "$picture"
done
