# Switches other than /s and /c end the program at once with status 0,
# without a display and without reading or creating any file.
source "$(dirname "$0")/startup_lib.sh"
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb # a display would be needed if the program went on

check() {
    local status=0
    timeout 10 "$program" "$@" >"$work/out" 2>&1 || status=$?
    [[ $status -eq 0 ]] || fail "'$*' ended with status $status: $(cat "$work/out")"
    [[ ! -s $work/out ]] || fail "'$*' printed: $(cat "$work/out")"
    [[ -z $(ls -A "$XDG_CONFIG_HOME") ]] || fail "'$*' created $(ls -A "$XDG_CONFIG_HOME")"
    [[ -z $(ls -A "$XDG_RUNTIME_DIR") ]] || fail "'$*' created $(ls -A "$XDG_RUNTIME_DIR")"
}

check /p 1234
check "/p 1234"
check /a
check /A 1234
check -s
check s
check /x
check " /s"
echo "PASS"
