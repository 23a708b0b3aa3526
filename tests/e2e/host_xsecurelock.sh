#!/usr/bin/env bash
# xsecurelock runs finwicks --root as its saver and, with
# XSECURELOCK_SAVER_RESET_ON_AUTH_CLOSE=1, sends it SIGUSR1 when its password
# prompt closes. After a prompt that timed out the fish of the run are in
# the settings file and a new saver runs on with them.
source "$(dirname "$0")/host_lib.sh" "$1" 183
command -v xsecurelock >/dev/null || fail "xsecurelock is not installed (tools/install-deps.sh)"
start_x 800x600

# xsecurelock starts its saver without our arguments; each start is logged.
cat >"$WORK/saver" <<EOF
#!/bin/sh
echo \$\$ >>"$WORK/savers"
exec "$FINWICKS" --root
EOF
chmod 755 "$WORK/saver"
: >"$WORK/savers"

# The saver of the lock's n-th start, once it runs.
saver_pid() {
    local n=$1 i pid
    for i in $(seq 200); do
        pid=$(sed -n "${n}p" "$WORK/savers")
        [[ -n $pid ]] && running "$pid" && echo "$pid" && return 0
        sleep 0.1
    done
    return 1
}

XSECURELOCK_SAVER="$WORK/saver" XSECURELOCK_SAVER_RESET_ON_AUTH_CLOSE=1 \
    XSECURELOCK_AUTH_TIMEOUT=2 XSECURELOCK_BLANK_TIMEOUT=-1 spawn xsecurelock \
    2>"$WORK/xsecurelock.log"
lock=$LAST_PID
first=$(saver_pid 1) || fail "xsecurelock started no saver: $(cat "$WORK/xsecurelock.log")"
wait_ini
wait_colours root 40 || fail "no fish under xsecurelock"
age_ini
records_before=$(fish_records)
sleep 2

# A key opens the prompt; nobody types, it times out, the saver is reset.
xdotool key a
second=$(saver_pid 2) || fail "the saver was not reset: $(cat "$WORK/xsecurelock.log")"
reset=$(date +%s)
! running "$first" || fail "the first saver still runs"
grep -q "AUTH_TIMEOUT" "$WORK/xsecurelock.log" || fail "the prompt did not time out"
ini_is_whole "$INI" || fail "broken settings file after the reset"
at=$(saved_at)
((at >= reset - 3 && at <= reset)) ||
    fail "the reset did not save: saved at $(date -d "@$at" +%T), reset at $(date -d "@$reset" +%T)"
[[ "$(fish_records)" != "$records_before" ]] || fail "the positions of the run were not saved"
[[ $(fish_records | wc -l) -eq 28 ]] || fail "fish lost in the reset"
wait_colours root 40 || fail "no fish after the reset"

kill -TERM "$lock"
wait_end "$lock" 5 || fail "xsecurelock did not end"
for pid in "$first" "$second"; do
    for i in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    ! kill -0 "$pid" 2>/dev/null || fail "a saver outlived xsecurelock"
done
echo PASS
