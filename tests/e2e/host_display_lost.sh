#!/usr/bin/env bash
# The X server goes away under a running tank (killed, as when it crashes or
# the session ends before the host's SIGTERM): the full-screen aquarium and
# a hosted one (--root) save the state of their last frame before they end.
source "$(dirname "$0")/host_lib.sh" "$1" 182

for mode in /s --root; do
    start_x 640x480
    rm -f "$INI"
    spawn "$FINWICKS" "$mode"
    tank=$LAST_PID
    wait_ini
    wait_colours root 40 || fail "finwicks $mode: no fish"
    # Marks the file as old; the tank has been swimming for a while.
    age_ini
    records_before=$(fish_records)
    sleep 2
    kill -KILL "$E2E_XVFB_PID"
    wait "$E2E_XVFB_PID" 2>/dev/null || true
    E2E_XVFB_PID=
    # What a killed server leaves of its display, for the next one.
    rm -f "/tmp/.X11-unix/X$DISPLAY_NUMBER" "/tmp/.X$DISPLAY_NUMBER-lock"
    wait_end "$tank" 10 || fail "finwicks $mode runs on without its X server"
    ((ENDED_STATUS < 128)) || fail "finwicks $mode died of signal $((ENDED_STATUS - 128))"
    ini_is_whole "$INI" || fail "finwicks $mode: broken settings file"
    [[ $(tr -d '\r' <"$INI" | sed -n 's/^date=//p') == "$(date +%Y/%m/%d)" ]] ||
        fail "finwicks $mode: nothing saved when the X server went away"
    [[ "$(fish_records)" != "$records_before" ]] || fail "finwicks $mode: the positions were not saved"
    [[ $(fish_records | wc -l) -eq 28 ]] || fail "finwicks $mode: fish lost"
done
echo PASS
