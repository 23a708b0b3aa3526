#!/bin/bash
# At scale factors 2 and 1.25 the tank fills the whole screen with fish of the
# same physical size as at 1 (the same share of the screen), a click on a
# fish shows its information, a drag saves the drop point in the tank's own
# pixels, and the configuration dialog is the ratio-1 dialog made larger.
source "$(dirname "$0")/desktop_lib.sh" "$1" 130

# Fish spread over a 1920 x 1080 tank, a corydoras resting on the bottom.
FISH=$(
    fish_record 0 Angel 200 1 200 300 && echo
    fish_record 1 Glow 200 2 900 400 && echo
    fish_record 2 Neon 30 1 1500 350 && echo
    fish_record 3 Hatchet 200 2 600 40 && echo
    fish_record 4 Nemo 200 1 400 940 && echo
    fish_record 5 Albi 50 2 1400 950
)

# run_at SIZE LABEL: starts the tank on a screen of SIZE device pixels at
# the scale factor FACTOR; COVERED is the share of the screen fish cover.
run_at() {
    local size=$1 label=$2
    e2e_stop_x
    e2e_start_x "$DISPLAY_NUMBER" "$size"
    write_ini backcolor=$GROUND_SETTING
    QT_SCALE_FACTOR=$FACTOR start_aquarium
    # A large screen under the sanitizers on a busy machine can take some
    # seconds to its first frame: wait for the fish rather than a fixed time.
    local file i
    for i in $(seq 40); do
        file=$(shot "scale-$label")
        COVERED=$((100000 - $(share_of "$file" "$GROUND")))
        ((COVERED > 0)) && break
        sleep 0.25
    done
    check_quarters "$file" "$label"
}

# device X: a logical coordinate on the screen of the current factor.
device() { awk -v v="$1" -v f="$FACTOR" 'BEGIN { printf "%d", v * f + 0.5 }'; }

# Clicks the corydoras (logical 430, 956), reads its information at the top
# left, then drags it so that its corner lands at logical 700, 384.
click_and_drag() {
    local label=$1 held white
    xdotool mousemove "$(device 430)" "$(device 956)"
    sleep 0.3
    xdotool mousedown 1
    sleep 1.5
    held=$(shot "scale-$label-held")
    white=$(count_colour "$held" "$(device 300)x$(device 80)+0+0" white)
    ((white > 100)) || fail "$label: no fish information while the button is held ($white)"
    local i
    for i in 1 2 3 4 5; do
        xdotool mousemove "$(device $((430 + 300 * i / 5)))" "$(device $((956 - 556 * i / 5)))"
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 0.3
    end_aquarium
    # The save keeps the fish in its own order: find Nemo by name.
    local record
    record=$(tr -d '\r' <"$INI" | grep -m1 '^f[0-9]*=4Nemo ' | cut -d= -f2)
    [[ -n $record ]] || fail "$label: Nemo is not in the saved file"
    local left=$((10#${record:100:5})) top=$((10#${record:105:5}))
    near "$left" 700 12 || fail "$label: saved left $left, expected about 700"
    near "$top" 384 12 || fail "$label: saved top $top, expected about 384"
}

FACTOR=1
run_at 1920x1080 ratio1
plain=$COVERED
end_aquarium

for case in "3840x2160 2 ratio2" "2400x1350 1.25 ratio1.25"; do
    read -r size FACTOR label <<<"$case"
    run_at "$size" "$label"
    # The same fish cover the same share; blended edges add a little at 1.25.
    ((COVERED * 100 >= plain * 85 && COVERED * 100 <= plain * 125)) ||
        fail "$label: fish cover $COVERED/100000 of the screen, $plain at ratio 1"
    echo "$label: fish cover $COVERED/100000 of the screen, $plain at ratio 1"
    click_and_drag "$label"
done

# dialog_shot SIZE FACTOR LABEL: the configuration dialog's window alone.
dialog_shot() {
    local size=$1 factor=$2 label=$3 id i
    e2e_stop_x
    e2e_start_x "$DISPLAY_NUMBER" "$size"
    QT_SCALE_FACTOR=$factor "$FINWICKS" /c >"$WORK/dialog.log" 2>&1 &
    local pid=$!
    for i in $(seq 100); do
        id=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1) && [[ -n $id ]] && break
        sleep 0.1
    done
    [[ -n $id ]] || fail "no dialog at $label"
    sleep 1.5
    import -window "$id" "$SHOTS/dialog-$label.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
dialog_shot 1920x1080 1 ratio1
dialog_shot 3840x2160 2 ratio2
small=$(identify -format '%wx%h' "$SHOTS/dialog-ratio1.png")
large=$(identify -format '%wx%h' "$SHOTS/dialog-ratio2.png")
[[ $large == "$((${small%x*} * 2))x$((${small#*x} * 2))" ]] ||
    fail "the dialog is $large at ratio 2 and $small at ratio 1"
# Halved, the ratio-2 dialog is the ratio-1 one: nothing moved, clipped or
# drawn at the old size; only the finer text differs.
convert "$SHOTS/dialog-ratio2.png" -filter box -resize 50% "$WORK/dialog-halved.png"
difference=$( (compare -metric RMSE "$SHOTS/dialog-ratio1.png" "$WORK/dialog-halved.png" null: 2>&1 || true) |
    sed 's/.*(\(.*\))/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.08) }' ||
    fail "the ratio-2 dialog differs from the ratio-1 dialog (RMSE $difference)"
echo "PASS"
