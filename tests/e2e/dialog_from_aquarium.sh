#!/usr/bin/env bash
# The configuration dialog opened from the running aquarium: a background
# colour chosen there reaches the aquarium at once when OK is pressed, the
# animation goes on, and the file holds the colour.
# Usage: dialog_from_aquarium.sh <finwicks binary>
DIALOG_DISPLAY=102
source "$(dirname "$0")/dialog_lib.sh"

# At noon, so that the first-run tank's light is on whenever the test runs.
at_time 12:00:00
"${AT_TIME[@]}" "$program" /s >>"$work/app.log" 2>&1 &
app_pid=$!
for _ in $(seq 100); do
    [[ -s $settings ]] && break
    sleep 0.1
done
# The tank's window, and its first focus preparing the scene, under any load.
timeout 20 xdotool search --sync --onlyvisible --pid "$app_pid" >/dev/null ||
    fail "no aquarium window"
sleep 2

# A mouse movement shows the buttons; Configration is the middle one at the
# top right of the 1024 x 768 screen.
xdotool mousemove 500 400
sleep 0.2
xdotool mousemove 520 420
sleep 0.5
xdotool mousemove 902 10 click 1
dialog=$(find_window 'Screen Finwick Configration')
[[ -n $dialog ]] || fail "Configration did not open the dialog"
sleep 0.5

# 背景色, then navy (row 4, column 6) in the colour chooser, OK, OK.
click 200 308
chooser=$(find_window '色の設定')
[[ -n $chooser ]] || fail "the colour chooser did not open"
click_in "$chooser" 228 172
click_in "$chooser" 241 253
ok
sleep 1.5
kill -0 "$app_pid" 2>/dev/null || fail "the aquarium ended with the dialog"
[[ $(value backcolor) == $((128 * 65536)) ]] || fail "backcolor not stored: $(value backcolor)"

# Most of the screen now shows the new background colour.
import -window root "$work/screen.png"
navy=$(convert "$work/screen.png" -resize 64x48! -depth 8 txt:- | grep -c '#000080' || true)
((navy > 64 * 48 / 2)) || fail "the aquarium does not show the new colour ($navy of 3072 cells)"

# Any key ends the screen saver.
xdotool key --clearmodifiers Escape
wait_closed
echo "PASS"
