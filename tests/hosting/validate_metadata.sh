#!/usr/bin/env bash
# The desktop entries and the metainfo pass the freedesktop and AppStream
# validators, and the licence file is the MIT licence.
# Usage: validate_metadata.sh <source folder> desktop|metainfo|licence
set -euo pipefail
source=$1
skip() {
    echo "SKIP: $1"
    exit 77
}
case $2 in
desktop)
    command -v desktop-file-validate >/dev/null ||
        skip "desktop-file-validate not found (Debian package desktop-file-utils)"
    for entry in "$source"/data/*.desktop; do
        desktop-file-validate "$entry" # prints hints, fails on errors
        for key in Name GenericName Comment; do
            grep -q "^$key=" "$entry" || { echo "FAIL: $entry has no $key"; exit 1; }
            grep -q "^$key\[ja\]=" "$entry" || [[ $key == Name ]] ||
                { echo "FAIL: $entry has no $key[ja]"; exit 1; }
        done
    done
    ;;
metainfo)
    command -v appstreamcli >/dev/null || skip "appstreamcli not found (Debian package appstream)"
    appstreamcli validate --no-net "$source"/data/*.metainfo.xml
    ;;
licence)
    grep -q '^MIT License$' "$source/LICENSE"
    grep -q '^Copyright (c) 2026 The finwicks developers$' "$source/LICENSE"
    grep -q '^License: Expat$' "$source/debian/copyright"
    ;;
esac
echo "PASS: $2"
