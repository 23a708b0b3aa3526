#!/usr/bin/env bash
# The configuration dialog in a real X server: a setting changed with the
# mouse reaches the settings file on OK, in its committed format with every
# other key; Escape and the Cancel button leave the file exactly as it was.
# Usage: dialog_settings.sh <finwicks binary>
DIALOG_DISPLAY=100
source "$(dirname "$0")/dialog_lib.sh"

second_feeding() { click 41 101; }

# The first start writes the first-run file.
open_dialog
[[ -s $settings ]] || fail "no settings file"
[[ $(value food2) == 0 ]] || fail "food2 is not 0 at first run"
[[ $(value timeposition) == 1 ]] || fail "timeposition is not 1 at first run"

# Check the second feeding and confirm.
tank_tab
second_feeding
ok
wait_closed
[[ $(value food2) == 1 ]] || fail "food2 was not stored: $(value food2)"
[[ $(value timeposition) == 01 ]] || fail "timeposition not rewritten as 01"
[[ $(value fishmovespeed) == 050 ]] || fail "fishmovespeed not rewritten as 050"
[[ $(value foodtime2) == 00 ]] || fail "foodtime2 not 00"
[[ $(value bubble_count_max) == 100 ]] || fail "bubble_count_max changed"
grep -q '^f28=' "$settings" || fail "the fish were not written back"
cp "$settings" "$work/after-ok.ini"

# Uncheck it again and press Escape: nothing is written.
open_dialog
tank_tab
second_feeding
xdotool key --clearmodifiers Escape
wait_closed
cmp -s "$settings" "$work/after-ok.ini" || fail "Escape changed the settings file"

# The same with the Cancel button.
open_dialog
tank_tab
second_feeding
cancel
wait_closed
cmp -s "$settings" "$work/after-ok.ini" || fail "Cancel changed the settings file"
echo "PASS"
