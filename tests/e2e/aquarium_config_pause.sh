#!/bin/bash
# Configration pauses the aquarium while the configuration dialog is open;
# when the dialog closes the fish swim again and the keyboard is back with
# the aquarium, where any key ends it.
source "$(dirname "$0")/aquarium_lib.sh" "$1" 83

start_x
FISH=$(printf '%s\n' "$(fish_record 2 Ao 300 0 100 300)" "$(fish_record 0 Shiro 300 1 600 330)")
write_ini endpattern=2 fishmovespeed=50 bubble_count_max=0
start_with /s
xdotool mousemove 500 300
sleep 0.3
xdotool mousemove 520 320
sleep 0.5
xdotool mousemove 900 10 # over Configration
sleep 0.3
xdotool click 1
sleep 2
open1=$(shot config-open-1)
sleep 1
open2=$(shot config-open-2)
moved=$(compare -metric AE "$open1" "$open2" null: 2>&1 || true)
((${moved%% *} == 0)) || fail "the aquarium moves while the dialog is open ($moved pixels)"
alive || fail "the dialog ended the program"

xdotool key Escape # cancels the dialog
sleep 1.5
after1=$(shot config-closed-1)
sleep 1
after2=$(shot config-closed-2)
moved=$(compare -metric AE "$after1" "$after2" null: 2>&1 || true)
((${moved%% *} > 100)) || fail "the fish do not swim again after the dialog ($moved pixels)"
xdotool key q
wait_end 10 || fail "a key did not end the aquarium after the dialog"
echo "PASS"
