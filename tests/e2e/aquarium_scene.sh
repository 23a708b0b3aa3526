#!/bin/bash
# A first start shows the starter fish swimming, the bubbles rising and the
# clock at the bottom edge.
source "$(dirname "$0")/aquarium_lib.sh" "$1" 82

start_x
start_with /s # no settings file: the first-run tank
end_aquarium
# Same tank with the clock shown at the left.
sed -i 's/^timevisible=.*\r$/timevisible=1\r/; s/^timeposition=.*\r$/timeposition=03\r/' "$INI"
start_with /s
first=$(shot scene-1)
sleep 1
second=$(shot scene-2)

lit=$(lit_pixels "$first" 1024x740+0+0)
((lit > 5000)) || fail "hardly anything drawn on the tank ($lit pixels)"
clock=$(lit_pixels "$first" 400x28+0+740)
((clock > 200)) || fail "no clock at the bottom edge ($clock pixels)"
changed=$(compare -metric AE "$first" "$second" null: 2>&1 || true)
((${changed%% *} > 1000)) || fail "the scene does not move ($changed pixels changed)"

# The frames and the server's answers to them wake the main thread alone: over
# two seconds (forty frames) Qt's X event thread, or any other, hardly wakes.
other_wakes() {
    local task total=0
    for task in /proc/"$APP_PID"/task/*; do
        [[ ${task##*/} == "$APP_PID" ]] || total=$((total + $(awk '{print $3}' "$task/schedstat")))
    done
    echo "$total"
}
wakes_before=$(other_wakes)
sleep 2
wakes=$(($(other_wakes) - wakes_before))
((wakes < 10)) || fail "threads besides the main one woke $wakes times in two seconds of frames"
end_aquarium
echo "PASS"
