# While one copy runs, a second start ends at once and silently, touching no
# file; a lock left by a dead copy does not keep the program from starting.
source "$(dirname "$0")/startup_lib.sh"
start_xvfb 71
lock=$XDG_RUNTIME_DIR/finwicks.lock

# A live owner: a process running under the program's name holds the lock.
mkdir "$work/bin"
cp "$(command -v sleep)" "$work/bin/$(basename "$program")"
"$work/bin/$(basename "$program")" 60 &
owner=$!
started+=($owner)
printf '%s\n%s\n%s\n' "$owner" "$(basename "$program")" "$(hostname)" >"$lock"

status=0
timeout 20 "$program" /s >"$work/out" 2>&1 || status=$?
[[ $status -eq 0 ]] || fail "second instance ended with status $status"
[[ ! -s $work/out ]] || fail "second instance printed: $(cat "$work/out")"
[[ ! -e $settings ]] || fail "second instance created the settings file"
[[ -f $lock ]] || fail "second instance removed the owner's lock"

# The owner dies: its lock is stale and the next start runs.
kill "$owner"
wait "$owner" 2>/dev/null || true
"$program" /c &
pid=$!
started+=($pid)
wait_or_escape "$pid" 60
[[ -f $settings ]] || fail "the start after a dead owner did not run"

# With a real first copy still running (once the aquarium stays open), a
# second one ends at once.
"$program" /s &
first=$!
started+=($first)
sleep 3
if kill -0 "$first" 2>/dev/null; then
    cp "$settings" "$work/before.ini"
    status=0
    timeout 20 "$program" /s || status=$?
    [[ $status -eq 0 ]] || fail "second real instance ended with status $status"
    cmp -s "$settings" "$work/before.ini" || fail "the second real instance wrote the file"
    kill -0 "$first" 2>/dev/null || fail "the first instance ended with the second"
    kill -TERM "$first"
    wait "$first" 2>/dev/null || true
fi
echo "PASS"
