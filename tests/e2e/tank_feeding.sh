#!/bin/bash
# Food falls at the feeding hour and not before, and Food then a click drops
# food where the pointer was.
source "$(dirname "$0")/aquarium_lib.sh" "$1" 172

# Pixels of flake food (any colour of the four flakes) in a rectangle.
flake_pixels() {
    local colour total=0
    for colour in 'rgb(196,92,44)' 'rgb(236,150,92)' 'rgb(132,56,28)' 'rgb(222,142,48)' \
        'rgb(250,196,110)' 'rgb(160,92,30)' 'rgb(186,150,96)' 'rgb(228,200,146)' \
        'rgb(126,96,58)' 'rgb(132,130,58)' 'rgb(180,178,98)' 'rgb(86,86,36)'; do
        total=$((total + $(count_colour "$1" "$2" "$colour")))
    done
    echo "$total"
}

start_x
FISH=$(fish_record 0 Angel 400 1 300 300)
# Saved a little before noon, so no feeding was missed; the first feeding at 12.
write_ini date="$(date +%Y/%m/%d)" time=11:59:40 fishmovespeed=100
set_ini food1 1
set_ini foodtime1 12

at_time 11:59:50
APP_WRAPPER=("${AT_TIME[@]}")
start_aquarium
before=$(shot before-noon)
(($(flake_pixels "$before" 1024x768+0+0) == 0)) || fail "food fell before the feeding hour"
sleep 9.5
after=$(shot after-noon)
surface=$(flake_pixels "$after" 1024x60+0+0)
((surface >= 15)) || fail "no food on the surface after the feeding hour ($surface pixels)"
end_aquarium

# By hand: a move shows the buttons; Food stands right of Air, the leftmost.
write_ini
start_aquarium
for i in 1 2 3 4 5; do
    xdotool mousemove $((580 + 10 * i)) $((280 + 10 * i))
    sleep 0.5
    row=$(convert "$(shot buttons)" -crop 424x1+600+3 +repage -threshold 10% txt:-)
    # Along a row above the captions, the first white run is Air; Food
    # begins after the gap that follows.
    food=$(awk -F'[,:]' '/#FFFFFF|white/ { if (!start) start = $1; else if (gap) { print $1; exit } }
                         !/#FFFFFF|white/ { if (start) gap = 1 }' <<<"$row")
    [[ -n $food ]] && break
done
[[ -n $food ]] || fail "no Food button at the top right"
xdotool mousemove $((600 + food + 10)) 8
sleep 0.2
xdotool click 1
sleep 0.3
xdotool mousemove 700 450
sleep 0.2
xdotool click 1
sleep 1.5 # the next frame, a second apart, shows it
dropped=$(shot dropped)
near=$(flake_pixels "$dropped" 80x40+660+440)
((near >= 15)) || fail "no food where the pointer was ($near pixels)"
elsewhere=$(($(flake_pixels "$dropped" 1024x768+0+0) - near))
((elsewhere == 0)) || fail "food fell elsewhere too ($elsewhere pixels)"
alive || fail "the click ended the tank"
end_aquarium
echo "PASS"
