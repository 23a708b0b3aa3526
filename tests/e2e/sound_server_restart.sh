#!/bin/bash
# The tank outlives its sound server. With effects and music on, the server
# is killed (once ended politely instead) and started again ten times under
# a running tank: the tank never freezes, says at most one line for each
# loss, and is heard again within 10 s of each return; a key still ends it
# with status 0 and the settings saved.
source "$(dirname "$0")/sound_lib.sh" "$1" 157

start_x
start_pulse
FISH=$(fish_record 4 Nemo 200 1 400 300)
sox -n -r 44100 -c 2 "$WORK/t.ogg" synth 3 sine 440 vol 0.3
write_ini fishmovespeed=40 sound1=1 sound2=1 "soundfile=$WORK/t.ogg"
sed -i "s/^bubble_initx=.*/bubble_initx=512\r/; s/^bubble_count_max=.*/bubble_count_max=100\r/" "$INI"
start_aquarium

# The screen changes within a moment: the tank still moves.
moving() {
    import -window root "$WORK/a.png"
    sleep 0.3
    import -window root "$WORK/b.png"
    local differ
    differ=$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 || true)
    [[ $differ =~ ^[0-9]+$ ]] && ((differ > 0))
}

# Our stream reaches the new server and is heard, within 10 s.
heard_again() {
    local i
    for i in $(seq 20); do
        if [[ $(streams | grep -c ' finwicks$') -ge 1 ]]; then
            record 0.6 "$WORK/back.raw"
            audible "$(level "$WORK/back.raw" 1)" && return 0
        fi
        sleep 0.5
    done
    return 1
}

heard_again || fail "no sound at the start: $(cat "$WORK/app.log")"
for round in $(seq 10); do
    signal=KILL
    ((round == 5)) && signal=TERM
    kill -"$signal" "$PULSE_PID"
    wait "$PULSE_PID" 2>/dev/null || true
    sleep 0.5
    kill -0 "$APP_PID" 2>/dev/null || fail "round $round: the tank ended: $(cat "$WORK/app.log")"
    moving || fail "round $round: the tank froze without its server"
    start_pulse
    returned=$(date +%s)
    heard_again || fail "round $round: not heard again: $(cat "$WORK/app.log")"
    echo "round $round ($signal): heard again after $(($(date +%s) - returned)) s"
    moving || fail "round $round: the tank froze when its server came back"
done

lines=$(grep -c . "$WORK/app.log" || true)
echo "standard error: $lines lines"
sort "$WORK/app.log" | uniq -c
((lines <= 10)) || fail "standard error ran on: $(head -20 "$WORK/app.log")"
xdotool key space
status=0
wait "$APP_PID" || status=$?
APP_PID=
[[ $status == 0 ]] || fail "a key ended it with status $status: $(tail -5 "$WORK/app.log")"
[[ $(ini_value date) != 2000/01/01 ]] || fail "the settings were not saved"
echo "PASS"
