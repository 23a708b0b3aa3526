#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end a running aquarium within a second and save
# the fish's positions; in the configuration dialog they end without saving;
# SIGKILL in the middle of a save leaves a whole settings file.
source "$(dirname "$0")/host_lib.sh" "$1" 122
start_x 800x600

# Starts the full-screen aquarium and waits until it shows fish.
start_aquarium() {
    spawn "$FINWICKS" /s
    AQUARIUM=$LAST_PID
    wait_ini
    wait_colours root 40 || fail "the aquarium shows no fish"
}

for signal in TERM INT HUP; do
    start_aquarium
    records_before=$(fish_records)
    sleep 1
    kill -s "$signal" "$AQUARIUM"
    wait_end "$AQUARIUM" 1 || fail "SIG$signal did not end the aquarium within a second"
    [[ $ENDED_STATUS -eq 0 ]] || fail "exit status $ENDED_STATUS after SIG$signal"
    ini_is_whole "$INI" || fail "broken settings file after SIG$signal"
    [[ "$(fish_records)" != "$records_before" ]] || fail "SIG$signal did not save the positions"
    [[ $(fish_records | wc -l) -eq 28 ]] || fail "fish lost after SIG$signal"
done

# The configuration dialog commits nothing when a signal ends it.
saved=$(md5sum <"$INI")
spawn "$FINWICKS" /c
dialog=$LAST_PID
xdotool search --sync --onlyvisible --name "Screen Finwick Configration" >/dev/null
kill -TERM "$dialog"
wait_end "$dialog" 1 || fail "SIGTERM did not end the configuration dialog within a second"
[[ "$(md5sum <"$INI")" == "$saved" ]] || fail "the dialog saved when a signal ended it"

# A kill at any moment of a save leaves the old or the new file.
for delay in 0 0.001 0.002 0.004 0.006 0.008 0.01 0.015 0.02 0.03 0.05 0.08; do
    start_aquarium
    kill -TERM "$AQUARIUM"
    sleep "$delay"
    kill -KILL "$AQUARIUM" 2>/dev/null || true
    wait "$AQUARIUM" 2>/dev/null || true
    ini_is_whole "$INI" || fail "SIGKILL $delay s into a save broke the settings file"
    [[ $(fish_records | wc -l) -eq 28 ]] || fail "SIGKILL $delay s into a save lost fish"
done
echo PASS
