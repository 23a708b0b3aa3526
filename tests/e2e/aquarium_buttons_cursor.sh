#!/bin/bash
# Under pattern "1" with an older save, a counting move shows the three
# buttons and the cursor; three seconds later both hide again when started
# with "/s", while a start without a switch keeps the cursor.
source "$(dirname "$0")/aquarium_lib.sh" "$1" 81 "$2"

start_x
FISH=$(fish_record 4 Kuro 200 1 300 680)
buttons=300x30+724+0

for switch in /s none; do
    write_ini endpattern=1 date=2020/01/01
    if [[ $switch == none ]]; then start_with; else start_with /s; fi
    xdotool mousemove 500 300
    sleep 0.3
    xdotool mousemove 510 310
    sleep 0.8
    alive || fail "a counting move ended under pattern 1 with an old date ($switch)"
    shown=$(shot "buttons-shown-${switch#/}")
    (($(lit_pixels "$shown" $buttons) > 500)) || fail "no buttons after a counting move ($switch)"
    [[ $(cursor_state) == visible ]] || fail "cursor not shown with the buttons ($switch)"

    sleep 3.5
    hidden=$(shot "buttons-hidden-${switch#/}")
    (($(lit_pixels "$hidden" $buttons) == 0)) || fail "buttons still shown after 3 s ($switch)"
    if [[ $switch == /s ]]; then
        [[ $(cursor_state) == hidden ]] || fail "cursor not hidden with the buttons under /s"
    else
        [[ $(cursor_state) == visible ]] || fail "cursor hidden without a switch"
    fi
    alive || fail "ended while idle ($switch)"
    end_aquarium
done
echo "PASS"
