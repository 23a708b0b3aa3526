#!/usr/bin/env bash
# The "raise fry" check box round-trips through the dialog: checked on the
# first run, unchecked it stores "0", and a dialog opened on that file shows
# it unchecked (one click checks it again and stores "1").
# Usage: dialog_fry.sh <finwicks binary>
DIALOG_DISPLAY=176
source "$(dirname "$0")/dialog_lib.sh"

raise_fry() { click 176 251; }

open_dialog
[[ $(value fry) == 1 ]] || fail "fry is not 1 at first run: $(value fry)"
tank_tab
raise_fry
ok
wait_closed
[[ $(value fry) == 0 ]] || fail "unchecking did not store 0: $(value fry)"
[[ $(value eggs) == "" ]] || fail "the eggs key changed: $(value eggs)"

open_dialog
tank_tab
raise_fry
ok
wait_closed
[[ $(value fry) == 1 ]] || fail "the box did not load unchecked, or checking did not store 1: $(value fry)"
echo "PASS"
