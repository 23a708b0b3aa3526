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
