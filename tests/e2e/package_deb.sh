#!/usr/bin/env bash
# The Debian package: built from this tree, lintian-clean, installed with apt,
# the installed finwicks runs under the real xscreensaver from /usr, and
# removing and purging it leaves nothing of it and the user's fish untouched.
# Installs into /usr, so it needs root; the package is removed even when a
# check fails.
# Usage: package_deb.sh <source folder>
source "$(dirname "$0")/host_lib.sh" /usr/bin/finwicks 70
source_dir=$(readlink -f "$1")
skip() {
    echo "SKIP: $*"
    exit 77
}

[[ $(id -u) -eq 0 ]] || skip "installing a package needs root"
package_status() { dpkg-query -W -f='${db:Status-Abbrev}' finwicks 2>/dev/null || true; }
[[ -z "$(package_status)" || "$(package_status)" == "un " ]] ||
    skip "a finwicks package is installed already; the test would replace it"

# The package's version follows the project's.
project_version=$(sed -n 's/^project(finwicks VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
deb_version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
[[ "$deb_version" == "$project_version-1" ]] ||
    fail "debian/changelog is at $deb_version, the project at $project_version"
deb=finwicks_${deb_version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb

# Built beside nothing: neither the checkout nor its parent gain files (what
# dpkg-buildpackage writes there by default is named finwicks_*).
beside() { ls -A "$source_dir/.." | grep -E '^finwicks(-dbgsym)?_' || true; }
parent_before=$(beside)
mkdir -m 755 "$WORK/out"
"$source_dir/tools/build-deb.sh" "$WORK/out" >"$WORK/build.log" 2>&1 ||
    { tail -40 "$WORK/build.log" >&2; fail "the package did not build"; }
[[ -s "$WORK/out/$deb" ]] || fail "no $deb: $(ls "$WORK/out")"
[[ "$(beside)" == "$parent_before" ]] || fail "the build left files beside the checkout"
for leftover in obj-x86_64-linux-gnu debian/finwicks debian/.debhelper debian/files; do
    [[ ! -e "$source_dir/$leftover" ]] || fail "the build left $leftover in the checkout"
done
# Only the program and its libraries: no test, benchmark, tool or fuzzer.
built=$(sed -n 's/.*Built target //p' "$WORK/build.log")
grep -q '^finwicks$' <<<"$built" || fail "the package build did not build finwicks"
! grep -qiE 'bench|sprite|demo|test|fuzz|allocation' <<<"$built" ||
    fail "the package build built more than the program: $built"

lintian_report=$(lintian --fail-on error,warning "$WORK/out/$deb" 2>&1) ||
    fail "lintian: $lintian_report"
! grep -qE '^[EW]: ' <<<"$lintian_report" || fail "lintian: $lintian_report"

# Every path the package holds, and which of them the machine had before.
paths=$(dpkg-deb --fsys-tarfile "$WORK/out/$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^/\?$')
existing_before=$(while read -r path; do [[ -e "$path" ]] && echo "$path"; done <<<"$paths" || true)
files=$(dpkg-deb --fsys-tarfile "$WORK/out/$deb" | tar -tv | awk '$1 ~ /^-/ {print $NF}' | sed 's|^\./|/|' | sort)
expected="/usr/bin/finwicks
/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/finwicks/libfinwicks-sound.so
/usr/share/applications/finwicks-config.desktop
/usr/share/applications/screensavers/finwicks.desktop
/usr/share/doc/finwicks/README.Debian
/usr/share/doc/finwicks/changelog.Debian.gz
/usr/share/doc/finwicks/copyright
/usr/share/finwicks/translations/finwicks_en.qm
/usr/share/icons/hicolor/128x128/apps/finwicks.png
/usr/share/icons/hicolor/256x256/apps/finwicks.png
/usr/share/icons/hicolor/48x48/apps/finwicks.png
/usr/share/lintian/overrides/finwicks
/usr/share/man/man1/finwicks.1.gz
/usr/share/metainfo/example.finwicks.Finwicks.metainfo.xml
/usr/share/xscreensaver/config/finwicks.xml"
[[ "$files" == "$expected" ]] || fail "the package holds: $files"
for file in $files; do
    [[ ! -e "$file" ]] || skip "$file exists outside the package; the test would overwrite it"
done

# apt brings nothing else along: everything it needs is installed already.
packages_before=$(dpkg-query -W -f='${Package}:${Architecture} ${Version} ${db:Status-Abbrev}\n')
(cd "$WORK/out" && apt-get install -s "./$deb") >"$WORK/simulate.log" 2>&1 ||
    fail "apt cannot install the package: $(tail -20 "$WORK/simulate.log")"
also=$(awk '$1 == "Inst" && $2 != "finwicks" {print $2}' "$WORK/simulate.log")
[[ -z "$also" ]] || fail "apt would also install: $also (missing from tools/install-deps.sh)"

remove_package() {
    [[ -z "$(package_status)" || "$(package_status)" == "un " ]] ||
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -q finwicks >/dev/null 2>&1 ||
        dpkg --purge finwicks >/dev/null 2>&1 || true
}
show_daemon_log() { [[ ! -s "$WORK/daemon.log" ]] || tail -30 "$WORK/daemon.log" >&2; }
trap 'status=$?; remove_package; ((status == 0 || status == 77)) || show_daemon_log; cleanup' EXIT

(cd "$WORK/out" && DEBIAN_FRONTEND=noninteractive apt-get install -y -q ./finwicks_*.deb) \
    >"$WORK/install.log" 2>&1 || fail "apt-get install failed: $(tail -20 "$WORK/install.log")"
[[ "$(package_status)" == "ii " ]] || fail "the package is not installed: $(package_status)"
[[ "$(dpkg -L finwicks | while read -r p; do [[ -f $p ]] && echo "$p"; done | sort)" == "$expected" ]] ||
    fail "dpkg lists other files: $(dpkg -L finwicks)"

# What is installed is whole and in its place.
for file in $files; do
    [[ -s "$file" ]] || fail "empty: $file"
done
[[ -x /usr/bin/finwicks ]] || fail "/usr/bin/finwicks is not executable"
! ldd /usr/bin/finwicks | grep -q 'not found' || fail "missing libraries: $(ldd /usr/bin/finwicks)"
[[ "$(dpkg-query -W -f='${Depends}' finwicks)" == *fonts-noto-cjk* ]] || fail "no Depends on the fonts"
# The sound library brings its own: the sound server's client library and
# FFmpeg's, found by the package tools.
sound_library=$(grep '/libfinwicks-sound\.so$' <<<"$files")
! ldd "$sound_library" | grep -q 'not found' || fail "missing libraries: $(ldd "$sound_library")"
for library in libpulse0 libavformat59 libswresample4; do
    [[ "$(dpkg-query -W -f='${Depends}' finwicks)" == *$library* ]] ||
        fail "no Depends on $library: $(dpkg-query -W -f='${Depends}' finwicks)"
done
recommends="qt6-translations-l10n, qt6-wayland, xscreensaver | xfce4-screensaver"
[[ "$(dpkg-query -W -f='${Recommends}' finwicks)" == "$recommends" ]] ||
    fail "Recommends: $(dpkg-query -W -f='${Recommends}' finwicks)"
zcat /usr/share/man/man1/finwicks.1.gz | head -1 | grep -q '^\.TH FINWICKS 1' || fail "the man page is not finwicks(1)"
[[ "$(man -w finwicks 2>/dev/null)" == /usr/share/man/man1/finwicks.1.gz ]] || fail "man does not find finwicks(1)"
grep -q 'finwicks --root' /usr/share/doc/finwicks/README.Debian || fail "README.Debian lacks the xscreensaver line"
grep -q 'xfce4-screensaver' /usr/share/doc/finwicks/README.Debian || fail "README.Debian says nothing of Xfce"
grep -qx 'Exec=finwicks --root' /usr/share/applications/screensavers/finwicks.desktop ||
    fail "the Xfce entry does not start finwicks --root"
grep -qx 'Exec=finwicks /c' /usr/share/applications/finwicks-config.desktop ||
    fail "the menu entry does not open the dialog"
# The translation, the Japanese menu texts and the software centres' metainfo.
grep -qx 'Name\[ja\]=Finwicks の設定' /usr/share/applications/finwicks-config.desktop ||
    fail "the menu entry has no Japanese name"
[[ "$(od -A n -N 16 -t x1 /usr/share/finwicks/translations/finwicks_en.qm | tr -d ' ')" == 3cb86418caef9c95cd211cbf60a1bddd ]] ||
    fail "finwicks_en.qm is not a Qt translation"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net /usr/share/metainfo/example.finwicks.Finwicks.metainfo.xml \
        >"$WORK/appstream.log" 2>&1 || fail "the installed metainfo: $(cat "$WORK/appstream.log")"
    [[ "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' /usr/share/metainfo/example.finwicks.Finwicks.metainfo.xml | head -1)" == "$project_version" ]] ||
        fail "the metainfo's release is not $project_version"
fi
for icon in /usr/share/icons/hicolor/*/apps/finwicks.png; do
    folder=$(basename "$(dirname "$(dirname "$icon")")")
    [[ "$(identify -format '%wx%h' "$icon")" == "$folder" ]] || fail "$icon is not $folder"
done

# xscreensaver's own settings file names the program and its arguments; the
# daemon gets exactly that command and finds the program on its PATH.
xml=/usr/share/xscreensaver/config/finwicks.xml
name=$(sed -n 's/.*<screensaver name="\([^"]*\)".*/\1/p' "$xml")
arguments=$(sed -n 's/.*<command arg="\([^"]*\)".*/\1/p' "$xml")
command="$name $arguments"
[[ "$command" == "finwicks --root" ]] || fail "finwicks.xml describes \"$command\""

# The daemon launches no saver as root: the same plain user as the hosting
# test's runs it.
user=finwicks-test
id "$user" >/dev/null 2>&1 ||
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
home=$WORK/home
INI=$home/.config/finwicks/FINWICKS.INI
mkdir -p "$home"
cat >"$home/.xscreensaver" <<XS
mode: one
selected: 0
timeout: 1:00:00
cycle: 0:00:00
lock: False
splash: False
fade: False
unfade: False
dpmsEnabled: False
programs: "Finwicks" $command \\n
XS
chown -R "$user" "$home" "$XDG_RUNTIME_DIR"
start_x 800x600
as_user=(runuser -u "$user" -- env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin
         XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" QT_QPA_PLATFORM=xcb)
spawn "${as_user[@]}" xscreensaver -no-splash -verbose >"$WORK/daemon.log" 2>&1
daemon=$LAST_PID
for i in $(seq 50); do
    "${as_user[@]}" xscreensaver-command -version >/dev/null 2>&1 && break
    sleep 0.2
done
"${as_user[@]}" xscreensaver-command -activate >/dev/null || fail "xscreensaver-command -activate failed"
saver=
for i in $(seq 100); do
    saver=$(pgrep -u "$user" -f "^$command\$" | head -1 || true)
    [[ -n "$saver" ]] && break
    sleep 0.1
done
[[ -n "$saver" ]] || fail "xscreensaver did not start $command"
[[ "$(readlink "/proc/$saver/exe")" == /usr/bin/finwicks ]] ||
    fail "the saver runs $(readlink "/proc/$saver/exe"), not the installed program"
wait_ini
wait_colours root 40 || fail "the screen shows no fish"
"${as_user[@]}" xscreensaver-command -deactivate >/dev/null || fail "xscreensaver-command -deactivate failed"
# The daemon passes the deactivation on through its graphics helper, which
# can lag seconds behind on a loaded machine before it sends the signal.
wait_end "$saver" 10 || fail "finwicks still runs after deactivation"
"${as_user[@]}" xscreensaver-command -exit >/dev/null 2>&1 || true
wait_end "$daemon" 5 || true
ini_is_whole "$INI" || fail "the settings file is broken"
fish_before=$(sha256sum "$INI")
home_before=$(find "$home" -printf '%P %s %T@\n' | sort)

# Removing takes every file; purging then leaves no trace in dpkg, and the
# machine's package list and paths are as they were.
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q finwicks >"$WORK/remove.log" 2>&1 ||
    fail "apt-get remove failed: $(tail -20 "$WORK/remove.log")"
for file in $files; do
    [[ ! -e "$file" ]] || fail "left after removal: $file"
done
# With no configuration files the removal may have forgotten it already, so
# apt no longer knows the name; dpkg purges either way.
dpkg --purge finwicks >"$WORK/purge.log" 2>&1 || fail "dpkg --purge failed: $(cat "$WORK/purge.log")"
[[ -z "$(package_status)" || "$(package_status)" == "un " ]] || fail "dpkg still knows finwicks: $(package_status)"
existing_after=$(while read -r path; do [[ -e "$path" ]] && echo "$path"; done <<<"$paths" || true)
[[ "$existing_after" == "$existing_before" ]] ||
    fail "paths differ from before: $(diff <(echo "$existing_before") <(echo "$existing_after"))"
[[ "$(dpkg-query -W -f='${Package}:${Architecture} ${Version} ${db:Status-Abbrev}\n')" == "$packages_before" ]] ||
    fail "the installed packages differ from before"
[[ "$(sha256sum "$INI")" == "$fish_before" ]] || fail "the fish file changed"
[[ "$(find "$home" -printf '%P %s %T@\n' | sort)" == "$home_before" ]] || fail "the home folder changed"
echo PASS
