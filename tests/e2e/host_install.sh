#!/usr/bin/env bash
# cmake --install puts the program and every file a desktop needs in place.
# Usage: host_install.sh <finwicks binary> <build folder>
source "$(dirname "$0")/e2e_common.sh"
build=$2
prefix=$E2E_WORK/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/finwicks share/xscreensaver/config/finwicks.xml \
    share/applications/screensavers/finwicks.desktop share/applications/finwicks-config.desktop \
    share/man/man1/finwicks.1 share/icons/hicolor/48x48/apps/finwicks.png \
    share/finwicks/translations/finwicks_en.qm share/metainfo/example.finwicks.Finwicks.metainfo.xml; do
    [[ -s "$prefix/$file" ]] || fail "not installed: $file"
done
[[ -x "$prefix/bin/finwicks" ]] || fail "the program is not executable"
# The sound library, opened by the program from beside its bin/ folder.
compgen -G "$prefix/lib*/finwicks/libfinwicks-sound.so" >/dev/null || fail "no sound library"

# Every icon sits in the folder of its real size.
for icon in "$prefix"/share/icons/hicolor/*/apps/finwicks.png; do
    folder=$(basename "$(dirname "$(dirname "$icon")")")
    size=$(identify -format '%wx%h' "$icon")
    [[ "$size" == "$folder" ]] || fail "$icon is $size"
done

# The installed program answers --help without a display or a file.
home=$E2E_WORK/home
mkdir "$home"
usage=$(env -i HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home" \
    ASAN_OPTIONS=detect_leaks=0 "$prefix/bin/finwicks" --help)
[[ "$usage" == *"--window-id"* ]] || fail "no usage text: $usage"
[[ -z "$(ls -A "$home")" ]] || fail "--help wrote files: $(ls -A "$home")"
echo PASS
