#!/bin/bash
# The tank's sounds through a real sound server: the bubbles are heard on the
# side of their source, the music (with a name outside Latin-1) is one stream
# from finwicks for the whole run, nothing at all reaches the server when both
# keys are off, a damaged music file is told of once, and a music file that
# cannot play or a missing server leave the tank running silently with the
# settings file intact.
source "$(dirname "$0")/sound_lib.sh" "$1" 150

start_x
start_pulse
FISH=$(fish_record 4 Nemo 200 1 400 300)
# sound_ini SOURCE_X [KEY=VALUE...]: a quick animation with many bubbles
# rising from SOURCE_X.
sound_ini() {
    local x=$1
    shift
    write_ini fishmovespeed=40 "$@"
    sed -i "s/^bubble_initx=.*/bubble_initx=$x\r/; s/^bubble_count_max=.*/bubble_count_max=60\r/" "$INI"
}

# Effects: the bubbles are heard from the source's side.
for side in left right; do
    if [[ $side == left ]]; then sound_ini 60 sound1=1; else sound_ini 964 sound1=1; fi
    start_aquarium
    record 3 "$WORK/$side.raw"
    end_aquarium
    l=$(level "$WORK/$side.raw" 1)
    r=$(level "$WORK/$side.raw" 2)
    echo "bubbles with the source on the $side: left $l, right $r"
    audible "$l" || audible "$r" || fail "the bubbles are silent ($side): $(cat "$WORK/app.log")"
    if [[ $side == left ]]; then
        louder "$l" "$r" || fail "the source on the left, but left $l and right $r"
    else
        louder "$r" "$l" || fail "the source on the right, but left $l and right $r"
    fi
done

# Music: one stream of ours from start to end, and it ends with the tank.
sox -n -r 44100 -c 2 "$WORK/tone.ogg" synth 2 sine 330 vol 0.3
cp "$WORK/tone.ogg" "$WORK/水 #1.ogg"
sound_ini 512 sound2=1 "soundfile=$WORK/水 #1.ogg"
# The settings file keeps its text in code page 932.
iconv -f UTF-8 -t CP932 "$INI" >"$INI.932" && mv "$INI.932" "$INI"
start_aquarium
sleep 0.5
for i in 1 2 3 4 5 6; do
    # One, or two for a moment while a round of the loop hands over.
    [[ $(streams | grep -c ' finwicks$') -ge 1 ]] ||
        fail "no music stream at $i: $(cat "$WORK/app.log")"
    sleep 0.5
done
record 2 "$WORK/music.raw"
audible "$(level "$WORK/music.raw" 1)" || fail "the music is silent"
[[ ! -s "$WORK/app.log" ]] || fail "music playing put out: $(cat "$WORK/app.log")"
started=$(date +%s%N)
end_aquarium
ended_ms=$((($(date +%s%N) - started) / 1000000))
echo "the music ended with the tank after ${ended_ms} ms"
sleep 0.3
[[ -z $(streams) ]] || fail "a stream outlived the tank: $(streams)"

# A FLAC file cut short plays what it holds, round after round, and its
# damage is told once at most.
sox -n -r 44100 -c 2 "$WORK/whole.flac" synth 1 sine 330 vol 0.3
head -c $(($(stat -c %s "$WORK/whole.flac") * 2 / 3)) "$WORK/whole.flac" >"$WORK/cut.flac"
sound_ini 512 sound2=1 "soundfile=$WORK/cut.flac"
start_aquarium
sleep 2.5
record 1 "$WORK/cut.raw"
end_aquarium
audible "$(level "$WORK/cut.raw" 1)" || fail "the cut FLAC is silent: $(cat "$WORK/app.log")"
[[ $(grep -c . "$WORK/app.log") -le 1 ]] || fail "the cut FLAC ran on: $(cat "$WORK/app.log")"

# Both off: the program never even connects to the server.
sound_ini 60
start_aquarium
sleep 1
[[ -z $(streams) ]] || fail "a stream with both sounds off: $(streams)"
[[ -z $(sound_clients) ]] || fail "finwicks connected with sound off"
end_aquarium

# Under a host with two monitors only the owner of the settings plays.
sound_ini 512 sound1=1 sound2=1 "soundfile=$WORK/tone.ogg"
"$FINWICKS" --root >"$WORK/host1.log" 2>&1 &
HOST1=$!
sleep 1
"$FINWICKS" --root >"$WORK/host2.log" 2>&1 &
HOST2=$!
sleep 2.5
[[ $(streams | grep -c ' finwicks$') -ge 1 ]] || fail "hosted: no stream"
[[ $(sound_clients) == "$HOST1" ]] || fail "hosted: processes $(sound_clients) reached the server"
kill -TERM "$HOST2" "$HOST1"
wait "$HOST2" "$HOST1" || true

# Music that cannot play: the tank runs without it and loses nothing.
echo "not music" >"$WORK/broken.ogg"
sound_ini 60 sound2=1 "soundfile=$WORK/broken.ogg"
before=$(md5sum <"$INI")
start_aquarium
record 2 "$WORK/broken.raw"
kill -0 "$APP_PID" || fail "the tank ended over a broken music file"
audible "$(level "$WORK/broken.raw" 1)" && fail "sound from a broken music file"
end_aquarium
[[ $(ini_value sound2) == 1 && $(ini_value soundfile) == "$WORK/broken.ogg" ]] ||
    fail "the sound keys changed: $(ini_value sound2) $(ini_value soundfile)"
[[ $(ini_value f01) == "$(echo "$FISH" | head -1 | cut -c1-17)"* ]] || fail "the fish was lost"
[[ $(grep -c . "$WORK/app.log") == 1 && $(grep -c broken.ogg "$WORK/app.log") == 1 ]] ||
    fail "expected one line about the broken file: $(cat "$WORK/app.log")"

# No sound server at all: the same, with effects and music on.
sound_ini 60 sound1=1 sound2=1 "soundfile=$WORK/tone.ogg"
PULSE_SERVER="unix:$WORK/no-such-server" start_aquarium
sleep 1
kill -0 "$APP_PID" || fail "the tank ended without a sound server"
end_aquarium
[[ $(grep -c . "$WORK/app.log") == 1 ]] || fail "without a server: $(cat "$WORK/app.log")"
echo "PASS"
