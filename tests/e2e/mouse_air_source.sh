#!/bin/bash
# Air, then a click, moves the bubble source there and the saved file holds
# it; a placing click on the clock makes the bubbles rise from the clock.
source "$(dirname "$0")/mouse_lib.sh" "$1" 92

start_x
FISH=$(fish_record 4 Nemo 200 1 400 670)

# Shows the buttons with a counting move and clicks Air, the leftmost of the
# three at the top right (found by its colour on the black tank).
press_air() {
    local file edge= i
    for i in 1 2 3 4 5; do
        xdotool mousemove $((580 + 10 * i)) $((280 + 10 * i))
        sleep 0.5
        file=$(shot air-buttons)
        edge=$(convert "$file" -crop 424x1+600+8 +repage -threshold 10% txt:- |
            awk -F'[,:]' '/#FFFFFF|white/ && !found {print $1; found = 1}')
        [[ -n "$edge" ]] && break
    done
    [[ -n "$edge" ]] || fail "no buttons at the top right"
    xdotool mousemove $((600 + edge + 8)) 8
    sleep 0.2
    xdotool click 1
    sleep 0.3
}

write_ini
start_aquarium
press_air
xdotool mousemove 300 400
sleep 0.3
xdotool click 1
sleep 0.3
end_aquarium
[[ $(ini_value bubble_initx) == 300 ]] || fail "bubble_initx $(ini_value bubble_initx), expected 300"
[[ $(ini_value bubble_inity) == 400 ]] || fail "bubble_inity $(ini_value bubble_inity), expected 400"
[[ $(ini_value bubble_init_time) == 0 ]] || fail "bubble_init_time $(ini_value bubble_init_time)"

# The clock shown at the left of the bottom edge: a click on it.
write_ini timevisible=1 timeposition=03
start_aquarium
press_air
xdotool mousemove 12 758
sleep 0.3
xdotool click 1
sleep 0.3
end_aquarium
[[ $(ini_value bubble_init_time) == 1 ]] || fail "a click on the clock left bubble_init_time $(ini_value bubble_init_time)"
echo "PASS"
