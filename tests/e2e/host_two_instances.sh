#!/usr/bin/env bash
# A host starts one saver per monitor: both draw the same tank, and only the
# first writes the settings file.
source "$(dirname "$0")/host_lib.sh" "$1" 121
start_x 1024x768

make_host_window 480x360+0+0 "first monitor"
first_window=$HOST_WINDOW
make_host_window 480x360+500+0 "second monitor"
second_window=$HOST_WINDOW

# Both start together, as a host starts them, before any file exists.
spawn "$FINWICKS" --window-id "$first_window"
first=$LAST_PID
spawn "$FINWICKS" --window-id "$second_window"
second=$LAST_PID

wait_ini
wait_child_size "$first_window" 480x360 || fail "nothing drawn in the first window"
wait_child_size "$second_window" 480x360 || fail "nothing drawn in the second window"
wait_colours "$first_window" 40 || fail "no fish in the first window"
wait_colours "$second_window" 40 || fail "no fish in the second window"
running "$first" || fail "the first instance ended"
running "$second" || fail "the second instance ended"

# Whichever got the file, the other one must leave it alone.
sleep 1
saved=$(md5sum <"$INI")
stamp=$(stat -c %Y.%i "$INI")
listing=$(ls -A "$XDG_CONFIG_HOME/finwicks")
owner=
for pid in "$first" "$second"; do
    kill -TERM "$pid"
    wait_end "$pid" 1 || fail "an instance did not end within a second of SIGTERM"
    if [[ "$(md5sum <"$INI")" != "$saved" || $(stat -c %Y.%i "$INI") != "$stamp" ]]; then
        [[ -z "$owner" ]] || fail "both instances wrote the settings file"
        owner=$pid
        saved=$(md5sum <"$INI")
        stamp=$(stat -c %Y.%i "$INI")
    fi
done
[[ -n "$owner" ]] || fail "neither instance saved the fish"
ini_is_whole "$INI" || fail "the settings file is broken"
[[ "$(ls -A "$XDG_CONFIG_HOME/finwicks")" == "$listing" ]] || fail "files appeared beside the settings"

# A further instance that is not hosted still ends at once while one runs.
spawn "$FINWICKS" --window-id "$first_window"
owner=$LAST_PID
wait_child_size "$first_window" 480x360 || fail "nothing drawn in the first window"
timeout 10 "$FINWICKS" /s || fail "a second /s did not end at once"
running "$owner" || fail "the hosted instance ended"

# When the owner dies without saving, the other instance's tank is the
# latest: it saves at its end.
spawn "$FINWICKS" --window-id "$second_window"
reader=$LAST_PID
sleep 2
wait_colours "$second_window" 40 || fail "no fish in the second window"
saved=$(md5sum <"$INI")
kill -KILL "$owner"
{ wait "$owner"; } 2>/dev/null || true
sleep 1
kill -TERM "$reader"
wait_end "$reader" 1 || fail "the reader did not end within a second of SIGTERM"
ini_is_whole "$INI" || fail "the settings file is broken"
[[ "$(md5sum <"$INI")" != "$saved" ]] || fail "the tank was lost with its owner"
echo PASS
