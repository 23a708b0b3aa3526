#!/bin/bash
# The tank answers its care: the light follows the clock (the screen at 23:30
# against noon), old water is hazy (changed 60 days ago against today), and a
# due automatic change is made and saved at once as today's date.
source "$(dirname "$0")/aquarium_lib.sh" "$1" 171

# The mean colour of a screenshot as "r g b".
mean_rgb() {
    convert "$1" -resize '1x1!' -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

start_x
FISH=$(
    fish_record 0 Angel 400 1 300 300
    echo
    fish_record 2 Neon 400 1 500 250
    echo
    fish_record 4 Cory 400 0 600 650
)
# A teal background (red 0, green and blue 128): the light and the haze show
# in every pixel of it.
TEAL=8421376
write_ini backcolor=$TEAL
set_ini lighton 09
set_ini lightoff 21

at_time 12:00:00
APP_WRAPPER=("${AT_TIME[@]}")
start_aquarium
noon=$(shot noon)
end_aquarium
read -r r g b <<<"$(mean_rgb "$noon")"
((r < 10 && g > 115 && b > 115)) || fail "noon is not the tank's own colour ($r $g $b)"

at_time 23:30:00
APP_WRAPPER=("${AT_TIME[@]}")
start_aquarium
night=$(shot night)
end_aquarium
read -r nr ng nb <<<"$(mean_rgb "$night")"
# About a third of the day's brightness, with a blue cast; not black.
((ng + nb > (g + b) / 5 && ng + nb < (g + b) / 2)) || fail "night is not dimmed to moonlight ($nr $ng $nb against $r $g $b)"
((nb * 10 > ng * 13)) || fail "night has no blue cast ($nr $ng $nb)"
water=$(pixel "$night" 2 2)
fish=$(($(convert "$night" -format '%[fx:w*h]' info:) - $(count_colour "$night" 1024x768+0+0 "rgb($water)")))
((fish > 1500)) || fail "the fish are hardly visible at night ($fish pixels)"

# Water left for 60 days: a green-brown haze over the teal.
write_ini backcolor=$TEAL
set_ini wchangedate "$(date -d '-60 days' +%Y/%m/%d)"
APP_WRAPPER=()
start_aquarium
murky=$(shot murky)
read -r mr mg mb <<<"$(mean_rgb "$murky")"
((mr > r + 30 && mb < b - 10)) || fail "60-day-old water shows no haze ($mr $mg $mb against $r $g $b)"
end_aquarium
[[ $(ini_value wchangedate) == $(date -d '-60 days' +%Y/%m/%d) ]] || fail "no change was due, yet the date moved"

# Due: the change is made at the start, saved while the tank runs, and the
# haze clears within a few seconds.
set_ini wautochange 1
set_ini wchangeinterval 14
set_ini wquantity 60
start_aquarium
[[ $(ini_value wchangedate) == $(date +%Y/%m/%d) ]] || fail "the due change was not saved at once ($(ini_value wchangedate))"
[[ $(ini_value wturbidity) == 0 ]] || fail "a change of 60 litres left haze ($(ini_value wturbidity))"
sleep 4
read -r cr cg cb <<<"$(mean_rgb "$(shot cleared)")"
((cr < 10 && cb > 115)) || fail "the haze did not clear after the change ($cr $cg $cb)"
alive || fail "the tank ended"
end_aquarium
echo "PASS"
