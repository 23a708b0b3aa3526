#!/bin/bash
# A background picture that fits the screen lies centred behind the fish.
source "$(dirname "$0")/mouse_lib.sh" "$1" 93

start_x
picture="$WORK/tank picture.bmp"
convert -size 800x600 xc:'rgb(200,40,40)' -fill 'rgb(40,40,200)' -draw 'rectangle 0,300 799,599' \
    "BMP3:$picture"
# An angelfish in the middle of the picture.
FISH=$(fish_record 0 Nemo 200 1 356 200)
write_ini screenvisible=1 "screenbitmap=$picture"
start_aquarium
file=$(shot picture-behind)
end_aquarium

[[ $(pixel "$file" 120 90) == "200,40,40" ]] || fail "no picture at its top left: $(pixel "$file" 120 90)"
[[ $(pixel "$file" 905 677) == "40,40,200" ]] || fail "no picture at its bottom right: $(pixel "$file" 905 677)"
[[ $(pixel "$file" 50 50) != "200,40,40" ]] || fail "the picture reaches beyond its centred place"
[[ $(pixel "$file" 1000 740) != "40,40,200" ]] || fail "the picture reaches beyond its centred place"
red=$(count_colour "$file" 800x300+112+84 'rgb(200,40,40)')
((red < 240000 - 500)) || fail "no fish drawn over the picture ($red plain picture pixels)"
[[ $(ini_value screenvisible) == 1 ]] || fail "the picture was switched off"
echo "PASS"
