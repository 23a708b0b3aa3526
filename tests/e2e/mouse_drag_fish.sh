#!/bin/bash
# Dragging a fish moves it; the saved file holds the new place as soon as it is
# dropped, and a drop past the screen's edge leaves the fish touching that edge.
source "$(dirname "$0")/mouse_lib.sh" "$1" 91

start_x
FISH=$(fish_record 4 Nemo 200 1 400 670)
write_ini
start_aquarium

drag() {
    local fx=$1 fy=$2 tx=$3 ty=$4 i
    xdotool mousemove "$fx" "$fy"
    sleep 0.2
    xdotool mousedown 1
    for i in 1 2 3 4 5; do
        xdotool mousemove $((fx + (tx - fx) * i / 5)) $((fy + (ty - fy) * i / 5))
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 0.3
}

# Grabbed 30, 16 inside its top-left corner; dropped with that corner at 700, 384.
# The drop is saved at once, before the program ends.
drag 430 686 730 400
shot drag-dropped >/dev/null
read -r left top < <(fish_position 1)
near "$left" 700 12 || fail "left $left saved at the drop, expected about 700"
end_aquarium
read -r left top < <(fish_position 1)
near "$left" 700 12 || fail "saved left $left, expected about 700"
near "$top" 384 12 || fail "saved top $top, expected about 384"

# Again, past the right edge: the fish ends wholly inside, at 1024 - 60.
start_aquarium
drag $((left + 30)) $((top + 16)) 1023 $((top + 16))
end_aquarium
read -r left top < <(fish_position 1)
near "$left" 964 4 || fail "saved left $left after a drop past the right edge, expected 964"
echo "PASS"
