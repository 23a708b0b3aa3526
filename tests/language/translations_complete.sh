#!/usr/bin/env bash
# Runs lupdate over the sources into a copy of every .ts file and fails when
# a message is unfinished, obsolete or vanished, or when lupdate finds a text
# the file lacks.
# Usage: translations_complete.sh <lupdate> <source folder>
set -euo pipefail
lupdate=$1
source=$2
if [[ ! -x $lupdate ]]; then
    echo "SKIP: lupdate not found (Debian package qt6-l10n-tools)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$source"
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | sort)
status=0
for ts in translations/finwicks_*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -locations none "${sources[@]}" -ts "$copy" >"$work/log" 2>&1 ||
        { cat "$work/log"; exit 1; }
    if grep -nE 'type="(unfinished|obsolete|vanished)"' "$copy"; then
        echo "FAIL: $ts has the unfinished or left-over messages above"
        status=1
    fi
    if ! diff -u "$ts" "$copy"; then
        echo "FAIL: lupdate changes $ts (see the difference above)"
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "PASS: every text has a finished translation, none is left over"
exit $status
