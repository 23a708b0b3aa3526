#!/bin/bash
# Fry: eggs due while the saver was off hatch at the next start, near where
# they lay, born on their hatch day, and are saved at once; the next start
# finds them in the file and hatches nothing again.
source "$(dirname "$0")/aquarium_lib.sh" "$1" 175

today=$(($(date +%s) / 86400 + 25569))
start_x
FISH=$(
    fish_record 1 Mama 150 0 800 300
    echo
    fish_record 1 Papa 150 1 850 320
)
write_ini
# Laid two days ago, due yesterday: four glowlight tetra fry at (500, 400).
sed -i "s|^\[fish\]\r\$|eggs=1,$((today - 2)),$((today - 1)),500,400,4,Mama\r\n[fish]\r|" "$INI"
[[ $(ini_value eggs) == "1,$((today - 2)),$((today - 1)),500,400,4,Mama" ]] || fail "the test file holds no eggs"

start_aquarium
for i in $(seq 50); do
    grep -aq '^f06=' "$INI" && break
    sleep 0.1
done
grep -aq '^f06=' "$INI" || fail "the hatched fry were not saved at once"
grep -aq '^f07=' "$INI" && fail "more fry than the eggs held"
[[ $(ini_value eggs) == "1,$((today - 2)),$((today - 1)),500,400,0" ]] || fail "the eggs are not marked hatched ($(ini_value eggs))"
fry=0
for n in 01 02 03 04 05 06; do
    record=$(ini_value "f$n" | iconv -f CP932 -t UTF-8)
    [[ $record == 1* ]] || fail "f$n is no glowlight tetra: $record"
    if [[ $record == 1\** ]]; then
        fry=$((fry + 1))
        [[ $record =~ ^1\*[^\ ]*\ +([0-9]{5})[01] ]] || fail "a fry's record is malformed: $record"
        ((10#${BASH_REMATCH[1]} == today - 1)) || fail "a fry is not born on its hatch day: $record"
    fi
done
((fry == 4)) || fail "$fry named fry instead of 4"
# They show near the eggs, where no other fish swims yet.
near=$(lit_pixels "$(shot fry)" 240x140+420+340)
((near > 60)) || fail "no fry near where the eggs lay ($near lit pixels)"
end_aquarium

saved=$(grep -a '^f0' "$INI")
start_aquarium
sleep 1.5
end_aquarium
[[ $(grep -ac '^f0' "$INI") == 6 ]] || fail "a second start changed the number of fish"
[[ $(grep -a '^f0' "$INI" | cut -c1-21 | sort) == $(cut -c1-21 <<<"$saved" | sort) ]] || fail "a second start changed the fish"
echo "PASS"
