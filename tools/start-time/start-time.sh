#!/usr/bin/env bash
# Times the start of the aquarium, from the command to its window on the
# screen, with hostile settings files: 20 MB of junk keys (in the program's
# own sections and in another), and 20 MB of comments before the fish.
#
# usage: tools/start-time/start-time.sh [--build DIR] [--display N]
set -euo pipefail

build=build
display=65
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build) build=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--display N]" >&2; exit 2 ;;
    esac
done
root=$(cd "$(dirname "$0")/../.." && pwd)
finwicks=$(realpath -m "$build/src/startup/finwicks")
[[ -x $finwicks ]] || { echo "finwicks is not built in $build" >&2; exit 1; }
source "$root/tests/e2e/host_lib.sh" "$finwicks" "$display"
start_x 1024x768

# A first-run file to build the hostile ones from.
spawn "$finwicks" /s
wait_ini
sleep 1
kill -TERM "$LAST_PID"
wait "$LAST_PID" 2>/dev/null || true
cp "$INI" "$WORK/plain.ini"

junk_lines() { # prefix: 20 MB of lines
    awk -v prefix="$1" 'BEGIN { for (i = 0; n < 20971520; i++) { line = sprintf(prefix, i); print line "\r"; n += length(line) + 2 } }'
}
{ sed -n '1,/^\[case\]/p' "$WORK/plain.ini" | head -n -1; junk_lines 'junk%d=value'; sed -n '/^\[case\]/,$p' "$WORK/plain.ini"; } >"$WORK/junk-keys.ini"
{ cat "$WORK/plain.ini"; printf '[junk]\r\n'; junk_lines 'k%d=v'; } >"$WORK/junk-section.ini"
{ sed -n '1,/^\[fish\]/p' "$WORK/plain.ini" | head -n -1; junk_lines '; comment %d'; sed -n '/^\[fish\]/,$p' "$WORK/plain.ini"; } >"$WORK/comments-before-fish.ini"

# Seconds from the start to a visible window, and the fish it then saves.
measure() {
    cp "$1" "$INI"
    local start end pid
    start=$(date +%s.%N)
    spawn "$finwicks" /s
    pid=$LAST_PID
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        running "$pid" || fail "finwicks ended with $(basename "$1")"
        sleep 0.01
    done
    end=$(date +%s.%N)
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    printf '%-26s %6.2f MB  %5.2f s to the window  %2d fish saved\n' "$(basename "$1")" \
        "$(awk -v b="$(stat -c %s "$1")" 'BEGIN { print b / 1048576 }')" \
        "$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')" "$(fish_records | wc -l)"
}
for file in plain junk-keys junk-section comments-before-fish; do
    measure "$WORK/$file.ini"
done
