#!/usr/bin/env bash
# Buys three fish in the configuration dialog's shop, renames a fish in the
# register and confirms with OK: the settings file then holds every fish, the
# bought ones with generated names, and the new name.
# Usage: shop_buy.sh <finwicks binary>
source "$(dirname "$0")/e2e_common.sh"

FINWICKS=$(readlink -f "$1")
WORK=$E2E_WORK
INI=$E2E_SETTINGS
APP_PID=

# The fish records of the settings file as UTF-8, one per line.
fish_records() { iconv -f CP932 -t UTF-8 "$INI" | tr -d '\r' | grep -E '^f[0-9]{2}=' || true; }

e2e_start_x 110

"$FINWICKS" /c >"$WORK/app.log" 2>&1 &
APP_PID=$!
DIALOG=$(timeout 30 xdotool search --sync --name '^Screen Finwick Configration$' | head -1)
[[ -n "$DIALOG" ]] || fail "the configuration dialog did not open"
for _ in $(seq 100); do
    xwininfo -id "$DIALOG" 2>/dev/null | grep -q 'IsViewable' && break
    sleep 0.1
done
sleep 1
size=$(xwininfo -id "$DIALOG" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[[ $size == 542x397 ]] || fail "the dialog is $size, not the 542x397 the clicks below assume"
[[ -s "$INI" ]] || fail "no settings file after the first start"
before=$(fish_records | wc -l)
angels_before=$(fish_records | grep -c '^f[0-9][0-9]=0' || true)
[[ $before -ge 1 && $before -le 96 ]] || fail "unexpected starting population: $before"

# Client coordinates of the dialog (542 x 397 pixels, no window manager):
# the tab captions lie along the top, the shop's count scroll bar and its
# buy button near the bottom of the pane, OK in the button row.
click() {
    xdotool mousemove --window "$DIALOG" "$1" "$2" click 1
    sleep 0.6
}
click 450 20 # 熱帯魚屋
for _ in 1 2 3; do
    click 301 314 # the count's right arrow
done
click 466 298 # 飼う

click 300 20 # 魚の管理: the first fish is selected
click 450 86 # the name box
xdotool key --window "$DIALOG" ctrl+a
xdotool type --window "$DIALOG" --delay 50 Nemo
sleep 0.3
click 467 155 # 変更

click 392 370 # OK
for _ in $(seq 300); do # a sanitized build saves more slowly
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "the dialog did not close on OK"
wait "$APP_PID" || fail "finwicks ended with status $?"
APP_PID=

after=$(fish_records | wc -l)
angels_after=$(fish_records | grep -c '^f[0-9][0-9]=0' || true)
[[ $after -eq $((before + 3)) ]] || fail "expected $((before + 3)) fish after buying three, found $after"
[[ $angels_after -eq $((angels_before + 3)) ]] || fail "the bought fish are not angelfish"
# Names are characters 2-11 of a record; every fish has one, the renamed
# fish wears "Nemo" and all others a generated one (marked with "*").
names=$(fish_records | cut -d= -f2- | cut -c2-11)
[[ $(grep -c '^Nemo      $' <<<"$names") -eq 1 ]] || fail "the new name was not stored"
[[ $(grep -c '^\*' <<<"$names") -eq $((after - 1)) ]] || fail "a fish was left without a generated name"
[[ $(sort <<<"$names" | uniq -d | wc -l) -eq 0 ]] || fail "two fish share a name"
echo "PASS: bought 3 fish ($before -> $after) and renamed one"
