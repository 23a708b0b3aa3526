#!/usr/bin/env bash
# The two choosers of the configuration dialog in a real X server: a standard
# colour picked for the names, and a picture found by typing its folder and
# double-clicking it in the file list, both stored on OK. A picture list that
# shows SEA.JPG proves the pattern ignores case.
# Usage: dialog_choosers.sh <finwicks binary>
DIALOG_DISPLAY=101
source "$(dirname "$0")/dialog_lib.sh"

pictures=$work/pictures
mkdir -p "$pictures/sub"
printf 'jpeg' >"$pictures/SEA.JPG"
: >"$pictures/empty.bmp"

open_dialog

# Colour: 前景色 opens the chooser; the box in row 2, column 2 is orange.
click 72 308
chooser=$(find_window '色の設定')
[[ -n $chooser ]] || fail "the colour chooser did not open"
click_in "$chooser" 100 108
click_in "$chooser" 241 253
[[ -z $(xdotool search --onlyvisible --name '^色の設定$' || true) ]] ||
    fail "the colour chooser did not close on OK"

# Picture: show the background, type a path in its folder, then 参照.
click 41 200
click 150 229
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$pictures/none.bmp"
click 251 229
files=$(find_window 'ファイル選択')
[[ -n $files ]] || fail "the file chooser did not open"
# The file list starts in that folder with the picture pattern: the empty
# picture first, SEA.JPG second.
xdotool mousemove --window "$files" 38 86 click --repeat 2 --delay 80 1
sleep 0.6
[[ -z $(xdotool search --onlyvisible --name '^ファイル選択$' || true) ]] ||
    fail "the file chooser did not close on the double-click"

ok
wait_closed
[[ $(value forecolor) == 33023 ]] || fail "forecolor not orange: $(value forecolor)"
[[ $(value screenvisible) == 1 ]] || fail "screenvisible not stored"
[[ $(value screenbitmap) == "$pictures/SEA.JPG" ]] ||
    fail "screenbitmap not the chosen picture: $(value screenbitmap)"
echo "PASS"
