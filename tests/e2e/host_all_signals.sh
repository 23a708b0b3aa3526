#!/usr/bin/env bash
# Every signal that asks a program to end (SIGHUP, SIGINT, SIGTERM, SIGQUIT,
# SIGUSR1 as xsecurelock's reset, SIGUSR2, SIGALRM) saves and ends with
# status 0, in the full-screen aquarium and under a host (--root); the
# settings file then holds the time of the signal. SIGPIPE, and a standard
# error whose reader has gone, end nothing.
source "$(dirname "$0")/host_lib.sh" "$1" 180
start_x 640x480

SIGNALS=(HUP INT TERM QUIT USR1 USR2 ALRM)

start_tank() {
    spawn "$FINWICKS" "$@"
    TANK=$LAST_PID
    wait_colours root 40 || fail "finwicks $*: no fish"
}

# The first run writes the file.
start_tank /s
kill -TERM "$TANK"
wait_end "$TANK" 2 || fail "no end after SIGTERM"
wait_ini

for mode in /s --root; do
    for signal in "${SIGNALS[@]}"; do
        age_ini
        start_tank "$mode"
        sent=$(date +%s)
        kill -s "$signal" "$TANK"
        wait_end "$TANK" 2 || fail "finwicks $mode did not end within 2 s of SIG$signal"
        [[ $ENDED_STATUS -eq 0 ]] || fail "finwicks $mode: status $ENDED_STATUS after SIG$signal"
        ini_is_whole "$INI" || fail "finwicks $mode: broken settings file after SIG$signal"
        at=$(saved_at)
        ((at >= sent - 1 && at <= sent + 2)) ||
            fail "finwicks $mode: saved at $(date -d "@$at" +%T), SIG$signal was sent at $(date -d "@$sent" +%T)"
        [[ $(fish_records | wc -l) -eq 28 ]] || fail "finwicks $mode: fish lost after SIG$signal"
    done
done

# SIGPIPE is no request to end.
start_tank --root
kill -PIPE "$TANK"
sleep 1
running "$TANK" || fail "SIGPIPE ended the tank"
kill -TERM "$TANK"
wait_end "$TANK" 2 || fail "no end after SIGTERM"

# Standard error is a pipe nobody reads any more, and the program writes to
# it at once: a settings file without a date is kept aside, with a line
# saying so. The write fails; the tank runs on.
mkfifo "$WORK/stderr"
sleep 600 <"$WORK/stderr" &
reader=$!
exec 9>"$WORK/stderr"
kill "$reader"
wait "$reader" 2>/dev/null || true
printf '[system]\r\nversion=0.34b\r\n' >"$INI"
spawn "$FINWICKS" --root 2>&9
TANK=$LAST_PID
exec 9>&-
wait_colours root 40 || fail "the tank did not survive a closed standard error"
ls "$(dirname "$INI")" | grep -q -v '^FINWICKS.INI$' || fail "the dateless file was not kept aside"
kill -TERM "$TANK"
wait_end "$TANK" 2 || fail "no end after SIGTERM"
[[ $ENDED_STATUS -eq 0 ]] || fail "status $ENDED_STATUS with a closed standard error"
ini_is_whole "$INI" || fail "not saved with a closed standard error"
echo PASS
