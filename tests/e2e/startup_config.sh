# "/c" (any case, anything after it) creates the settings file with the
# first-run state and 28 starter fish and shows only the configuration dialog.
source "$(dirname "$0")/startup_lib.sh"
start_xvfb 70

"$program" /c &
pid=$!
started+=($pid)
wait_or_escape "$pid" 60
[[ $exit_status -eq 0 ]] || fail "/c ended with status $exit_status"
[[ -f $settings ]] || fail "no settings file after /c"

text=$(iconv -f CP932 -t UTF-8 "$settings")
head -c 10 "$settings" | grep -q $'^\[system\]\r$' || fail "file does not start with [system] CRLF"
grep -q $'^version=0.34b\r$' <<<"$text" || fail "no version"
grep -q "^date=$(date +%Y/%m/%d)"$'\r$' <<<"$text" || fail "no date of today"
grep -q $'^bubble_initx=921\r$' <<<"$text" || fail "bubble source not at 90 % of 1024"
[[ $(grep -c '^f[0-9][0-9]=' <<<"$text") -eq 28 ]] || fail "not 28 fish"
grep -q '^f28=5' <<<"$text" || fail "last fish is not an albino corydoras"
grep -q '^f29=' <<<"$text" && fail "more than 28 fish"
[[ ! -e $settings.bak ]] || fail "a backup was made of no file"

# A second configuration start loads the file; it does not make a new tank
# (though the dialog, when cancelled, leaves the file as it was).
cp "$settings" "$work/first.ini"
"$program" /C:1234 &
pid=$!
started+=($pid)
wait_or_escape "$pid" 60
[[ $exit_status -eq 0 ]] || fail "/C:1234 ended with status $exit_status"
cmp -s "$settings" "$work/first.ini" || fail "a cancelled configuration changed the file"

# A file without a date is kept as .bak, then replaced by a fresh tank.
printf '[system]\r\nversion=0.30\r\n[fish]\r\nf01=0 kept\r\n' >"$settings"
cp "$settings" "$work/undated.ini"
"$program" /c &
pid=$!
started+=($pid)
wait_or_escape "$pid" 60
cmp -s "$settings.bak" "$work/undated.ini" || fail "the undated file was not kept as .bak"
grep -q '^f28=' "$settings" || fail "the undated file was not replaced by a fresh tank"
echo "PASS"
