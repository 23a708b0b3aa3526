#!/bin/bash
# Clicking a fish pauses the animation and prints its information at the top
# left; the release lets the animation wipe it again.
source "$(dirname "$0")/mouse_lib.sh" "$1" 90

start_x
# A corydoras resting on the bottom (its band is 653..730 of 768), 200 days old.
FISH=$(fish_record 4 Nemo 200 1 400 670)
write_ini
start_aquarium

before=$(shot click-before)
(($(count_colour "$before" 300x80+0+0 white) == 0)) || fail "text at the top left before the click"

xdotool mousemove 430 686
sleep 0.3
xdotool mousedown 1
sleep 2.5 # more than two frames: a running animation would have wiped the text
held=$(shot click-held)
xdotool mouseup 1

white=$(count_colour "$held" 300x80+0+0 white)
((white > 100)) || fail "no fish information while the button is held ($white white pixels)"
# Three lines of text, nothing further down.
(($(count_colour "$held" 300x200+0+120 white) == 0)) || fail "text below the information"

sleep 2.5
after=$(shot click-after)
(($(count_colour "$after" 300x80+0+0 white) == 0)) || fail "information still shown after release"

end_aquarium
echo "PASS"
