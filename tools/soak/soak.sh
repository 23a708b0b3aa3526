#!/usr/bin/env bash
# Runs the aquarium at its heaviest for a long time and watches its resident
# memory and open file descriptors: 99 fish, 400 bubbles, names, the moving
# clock and a full-screen picture at fishmovespeed 10, on a 1920x1080 Xvfb.
# Prints one sample a minute and fails when resident memory grows by more
# than 1 MB after the first minute, or the descriptors grow at all.
#
# usage: tools/soak/soak.sh [--minutes N] [--build DIR] [--display :N]
set -euo pipefail

minutes=60
build=build
display=:61
while [[ $# -gt 0 ]]; do
    case "$1" in
    --minutes) minutes=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    *) echo "usage: $0 [--minutes N] [--build DIR] [--display :N]" >&2; exit 2 ;;
    esac
done
cd "$(dirname "$0")/../.."
finwicks=$(realpath -m "$build/src/startup/finwicks")
[[ -x $finwicks ]] || { echo "finwicks is not built in $build" >&2; exit 1; }

# The end-to-end tests' set-up: a work folder with private XDG folders, an
# Xvfb of our own, and clean-up of the program and the server.
source "$PWD/tests/e2e/e2e_common.sh"
work=$E2E_WORK
e2e_start_x "${display#:}" 1920x1080
mkdir -p "$XDG_CONFIG_HOME/finwicks"
picture=$work/background.jpg
convert -size 1920x1080 gradient:'#103050-#2080a0' -quality 90 "$picture"

# The settings file, CR LF line ends. The fish carry names of their own, as
# names the program gave (starting with "*") are not drawn.
{
    printf '[system]\nversion=0.34b\ndate=%s\ntime=00:00:00\nendpattern=2\n' "$(date +%Y/%m/%d)"
    printf 'fishmovespeed=10\nforecolor=16776960\nbackcolor=0\nnamevisible=1\n'
    printf 'screenvisible=1\nscreenbitmap=%s\nscreenclear=0\nscreencleartime=30\n' "$picture"
    printf 'timevisible=1\ntimestyle=00\ntimeposition=00\n[case]\n'
    printf 'bubble_view=1\nbubble_dist=1\nbubble_initx=1728\nbubble_inity=972\n'
    printf 'bubble_init_rand=0\nbubble_init_time=0\nbubble_limity=0\nbubble_count_max=400\n[fish]\n'
    for i in $(seq 99); do
        printf 'f%02d=%d%-10s%05d%d%83s%05d%05d%05d%05d\n' "$i" $((i % 6)) "fish$i" $((46000 - i)) $((i % 2)) '' \
            $(((i * 173) % 1700)) $(((i * 97) % 900)) 0 0
    done
} | sed 's/$/\r/' >"$XDG_CONFIG_HOME/finwicks/FINWICKS.INI"

"$finwicks" /s >"$work/finwicks.log" 2>&1 &
program_pid=$!

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status"; }
fds() { find "/proc/$program_pid/fd" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l; }

echo "minute  rss_kB  fds"
first_rss=
first_fds=
worst=0
status=0
for minute in $(seq 0 "$minutes"); do
    ((minute == 0)) || sleep 60
    if ! kill -0 "$program_pid" 2>/dev/null; then
        echo "finwicks ended after $minute minutes: $(tail -3 "$work/finwicks.log")" >&2
        exit 1
    fi
    rss=$(rss_kb)
    open=$(fds)
    printf '%6d  %6d  %3d\n' "$minute" "$rss" "$open"
    if ((minute == 1)); then
        first_rss=$rss
        first_fds=$open
    elif ((minute > 1)); then
        ((rss - first_rss > worst)) && worst=$((rss - first_rss))
        ((open > first_fds)) && status=1
    fi
done
echo "largest growth after the first minute: $worst kB"
((worst <= 1024)) || status=1
exit "$status"
