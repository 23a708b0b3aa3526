#!/bin/bash
# How mouse and keys end the screen saver: the first move only records, moves
# of up to two pixels never count, a three-pixel jump ends under pattern "0"
# and saves; a key ends under every pattern; the right button always ends.
source "$(dirname "$0")/aquarium_lib.sh" "$1" 80

start_x
FISH=$(fish_record 4 Kuro 200 1 400 680)

write_ini endpattern=0
start_with /s
xdotool mousemove 300 300 # the first event after start: recorded only
sleep 0.5
alive || fail "the first mouse event ended the screen saver"
x=300
y=300
for step in $(seq 15); do
    x=$((x + 2))
    ((step % 2)) && y=$((y + 1))
    xdotool mousemove $x $y
    sleep 0.05
done
sleep 0.5
alive || fail "moves of two pixels ended the screen saver"
xdotool mousemove $((x + 3)) $y
wait_end 10 || fail "a three-pixel jump did not end under pattern 0"
saved_today || fail "ending by the mouse did not save"

for pattern in 0 1 2; do
    write_ini endpattern=$pattern
    start_with /s
    xdotool key q
    wait_end 10 || fail "a key did not end under pattern $pattern"
    saved_today || fail "ending by a key did not save under pattern $pattern"
done

write_ini endpattern=2
start_with /s
xdotool mousemove 300 300
sleep 0.3
xdotool mousemove 400 400 # counts, but pattern 2 goes on
sleep 0.5
alive || fail "a counting move ended under pattern 2"
xdotool click 3
wait_end 10 || fail "the right button did not end under pattern 2"
saved_today || fail "ending by the right button did not save"
echo "PASS"
