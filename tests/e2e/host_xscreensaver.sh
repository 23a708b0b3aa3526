#!/usr/bin/env bash
# The real xscreensaver daemon runs "finwicks --root" as its only saver: on
# activation finwicks draws fish into the daemon's window, on deactivation it
# ends and saves.
source "$(dirname "$0")/host_lib.sh" "$1" 123
command -v xscreensaver >/dev/null || fail "xscreensaver is not installed"
start_x 800x600

# The daemon launches no saver as root: run it and the saver as a plain user.
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    user=finwicks-test
    id "$user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
    as_user=(runuser -u "$user" --)
fi

# The saver's own copy, so the user can run it wherever the build lives.
mkdir -p "$WORK/home" "$WORK/bin"
cp "$FINWICKS" "$WORK/bin/finwicks"
chmod 755 "$WORK/bin" "$WORK/bin/finwicks"
cat >"$WORK/home/.xscreensaver" <<XS
mode: one
selected: 0
timeout: 1:00:00
cycle: 0:00:00
lock: False
splash: False
fade: False
unfade: False
dpmsEnabled: False
programs: "Finwicks" $WORK/bin/finwicks --root \\n
XS
if [[ ${#as_user[@]} -gt 0 ]]; then
    chown -R "$user" "$WORK/home" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
fi

user_env=(env -i HOME="$WORK/home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin
          XDG_CONFIG_HOME="$XDG_CONFIG_HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
          ASAN_OPTIONS="$ASAN_OPTIONS" QT_QPA_PLATFORM=xcb)
spawn "${as_user[@]}" "${user_env[@]}" xscreensaver -no-splash -verbose >"$WORK/daemon.log" 2>&1
daemon=$LAST_PID
trap 'status=$?; ((status == 0)) || tail -30 "$WORK/daemon.log" >&2; cleanup' EXIT
xscreensaver_command() { "${as_user[@]}" "${user_env[@]}" xscreensaver-command "$@"; }

for i in $(seq 50); do
    xscreensaver_command -version >/dev/null 2>&1 && break
    sleep 0.2
done
xscreensaver_command -activate >/dev/null || fail "xscreensaver-command -activate failed"

saver=
for i in $(seq 100); do
    saver=$(pgrep -f "^$WORK/bin/finwicks --root" | head -1 || true)
    [[ -n "$saver" ]] && break
    sleep 0.1
done
[[ -n "$saver" ]] || fail "xscreensaver did not start finwicks"
wait_ini
records_at_start=$(fish_records)
wait_colours root 40 || fail "the screen shows no fish"
sleep 2
running "$saver" || fail "finwicks ended while the screen was blanked"

xscreensaver_command -deactivate >/dev/null || fail "xscreensaver-command -deactivate failed"
# The daemon passes the deactivation on through its graphics helper, which
# can lag seconds behind on a loaded machine before it sends the signal.
wait_end "$saver" 10 || fail "finwicks still runs after deactivation"
ini_is_whole "$INI" || fail "the settings file is broken"
[[ "$(fish_records)" != "$records_at_start" ]] || fail "finwicks ended without saving the positions"

xscreensaver_command -exit >/dev/null 2>&1 || true
wait_end "$daemon" 5 || true
echo PASS
