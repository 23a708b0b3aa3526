#!/usr/bin/env bash
# The running tank saves itself every period (two seconds in the build for
# this test, five minutes in the program): SIGKILL after a few periods finds
# the state of the last one. With one saver per monitor only the owner of
# the file saves.
# Usage: host_periodic_save.sh <finwicks built with a two-second period>
source "$(dirname "$0")/host_lib.sh" "$1" 181
start_x 1024x768

spawn "$FINWICKS" /s
tank=$LAST_PID
wait_ini
wait_colours root 40 || fail "no fish"
first_records=$(fish_records)
first_save=$(saved_at)
sleep 5
killed=$(date +%s)
kill -KILL "$tank"
wait "$tank" 2>/dev/null || true
ini_is_whole "$INI" || fail "SIGKILL left a broken settings file"
at=$(saved_at)
((at > first_save)) || fail "no save while the tank ran"
((at >= killed - 4)) ||
    fail "the last save was at $(date -d "@$at" +%T), the kill at $(date -d "@$killed" +%T)"
[[ "$(fish_records)" != "$first_records" ]] || fail "the positions of the run were not saved"
[[ $(fish_records | wc -l) -eq 28 ]] || fail "fish lost"

# Two savers, as a host starts one per monitor: the first owns the file.
make_host_window 480x360+0+0 "first monitor"
first_window=$HOST_WINDOW
make_host_window 480x360+500+0 "second monitor"
second_window=$HOST_WINDOW
spawn "$FINWICKS" --window-id "$first_window"
owner=$LAST_PID
wait_colours "$first_window" 40 || fail "no fish in the first window"
spawn "$FINWICKS" --window-id "$second_window"
other=$LAST_PID
wait_colours "$second_window" 40 || fail "no fish in the second window"

# While the owner is stopped nobody writes, however long the other runs.
kill -STOP "$owner"
sleep 0.5
stamp=$(stat -c %Y.%i "$INI")
sleep 5
[[ $(stat -c %Y.%i "$INI") == "$stamp" ]] || fail "the second saver wrote the settings file"
kill -CONT "$owner"
sleep 4
[[ $(stat -c %Y.%i "$INI") != "$stamp" ]] || fail "the owner stopped saving"
running "$other" || fail "the second saver ended"
echo PASS
