#!/usr/bin/env bash
# The configuration dialog in English writes what the Japanese one writes:
# from the same settings file, the same clicks (buy a fish, rename one, check
# the second feeding) under an English and under the C locale leave the same
# file, apart from what is drawn at random for the bought fish and the save's
# time. The bought fish's name comes from the name pool, written in Latin
# letters under English.
# Usage: dialog_english.sh <finwicks binary>
DIALOG_DISPLAY=118
source "$(dirname "$0")/dialog_lib.sh"

english=(env LANGUAGE= LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8)
japanese=(env LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C)

# The same clicks as the Japanese dialog's end-to-end tests use: the layout
# does not change with the language.
edit_and_confirm() {
    click 450 20 # the fish shop
    # One more on the count, by keyboard: the count's accelerator, then the
    # arrow key; the same keys in both languages.
    xdotool key --window "$dialog" alt+n Right
    sleep 0.3
    click 466 298 # buy
    click 300 20 # the register: the first fish is selected
    click 450 86 # the name box
    xdotool key --window "$dialog" ctrl+a
    xdotool type --window "$dialog" --delay 50 Nemo
    sleep 0.3
    click 467 155 # change
    tank_tab
    click 41 101 # the second feeding
    import -window root "$work/$1.png"
    ok
    wait_closed
}

# The file as text without its fish and with the save's time masked.
settings_lines() {
    iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' | grep -vE '^f[0-9]{2}=' | sed 's/^time=.*/time=<now>/'
}
# The fish records without their keys (the dialog keeps species together,
# so a bought fish moves the later ones up), sorted.
fish_of() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' | sed -nE 's/^f[0-9]{2}=//p' | sort; }

# The first start makes the first-run tank and OK saves it whole; both runs
# start from that file.
open_dialog "${japanese[@]}"
ok
wait_closed
[[ -s $settings ]] || fail "no settings file"
cp "$settings" "$work/start.ini"
fish_before=$(grep -cE '^f[0-9]{2}=' "$settings")

open_dialog "${english[@]}"
edit_and_confirm english
cp "$settings" "$work/english.ini"

cp "$work/start.ini" "$settings"
open_dialog "${japanese[@]}"
edit_and_confirm japanese
cp "$settings" "$work/japanese.ini"

for run in english japanese; do
    iconv -f CP932 -t UTF-8 "$work/$run.ini" >/dev/null || fail "the $run file is not CP932"
    [[ $(grep -cE '^f[0-9]{2}=' "$work/$run.ini") -eq $((fish_before + 1)) ]] ||
        fail "the $run dialog did not add one fish"
    names=$(iconv -f CP932 -t UTF-8 "$work/$run.ini" | tr -d '\r' | grep -E '^f[0-9]{2}=' |
        cut -d= -f2- | cut -c2-11)
    [[ $(grep -c '^Nemo      $' <<<"$names") -eq 1 ]] || fail "the $run dialog did not rename"
done
[[ $(iconv -f CP932 -t UTF-8 "$work/english.ini" | sed -n 's/^food2=//p' | tr -d '\r') == 1 ]] ||
    fail "the English dialog did not store the second feeding"
! iconv -f CP932 -t UTF-8 "$work/english.ini" | grep -qiE 'angelfish|female|male|tetra' ||
    fail "an English text reached the settings file"
diff <(settings_lines "$work/japanese.ini") <(settings_lines "$work/english.ini") >"$work/diff.txt" ||
    fail "the English dialog wrote other settings: $(cat "$work/diff.txt")"
# The fish: the same kept and renamed ones; the bought one differs only in
# what is drawn at random (name, birth day, sex, place), not in its species.
fish_of "$work/start.ini" >"$work/start.fish"
for run in english japanese; do
    fish_of "$work/$run.ini" | comm -13 "$work/start.fish" - >"$work/$run.new"
    fish_of "$work/$run.ini" | comm -12 "$work/start.fish" - >"$work/$run.kept"
    [[ $(wc -l <"$work/$run.new") -eq 2 ]] || fail "the $run dialog changed other fish: $(cat "$work/$run.new")"
done
cmp -s "$work/english.kept" "$work/japanese.kept" || fail "the dialogs kept different fish"
nemo=$(grep '^.Nemo      ' "$work/japanese.new")
[[ -n $nemo ]] && grep -qxF "$nemo" "$work/english.new" || fail "the renamed fish differs"
[[ $(grep -v '^.Nemo      ' "$work/english.new" | cut -c1) == 0 &&
    $(grep -v '^.Nemo      ' "$work/japanese.new" | cut -c1) == 0 ]] ||
    fail "the bought fish are not both angelfish"
# The bought fish is named "*" and a given name of the pool: in kanji by the
# Japanese dialog, in Latin letters by the English one.
bought_name() { grep -v '^.Nemo      ' "$work/$1.new" | cut -c2-11; }
[[ $(bought_name english) =~ ^\*[A-Za-z]+\ *$ ]] ||
    fail "the English dialog named its fish \"$(bought_name english)\", not in Latin letters"
[[ $(bought_name japanese) == \** && $(bought_name japanese) == *[^\ -~]* ]] ||
    fail "the Japanese dialog named its fish \"$(bought_name japanese)\", not from the pool"
# And the English dialog did look different from the Japanese one.
difference=$(compare -metric AE "$work/english.png" "$work/japanese.png" null: 2>&1 || true)
[[ ${difference%% *} -gt 1000 ]] || fail "the English dialog looks like the Japanese one ($difference)"
echo "PASS: the English dialog wrote what the Japanese one writes"
