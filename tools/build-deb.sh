#!/usr/bin/env bash
# Builds the Debian package and puts it in the given folder (the checkout's
# top by default). dpkg-buildpackage writes into the parent of the source
# folder, so it works on a copy in a temporary folder; nothing is left beside
# the checkout.
# Usage: tools/build-deb.sh [output folder]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top}
mkdir -p "$out"
out=$(cd "$out" && pwd)

version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
deb=finwicks_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb
work=$(mktemp -d /tmp/finwicks-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
source=$work/finwicks-${version%-*}
mkdir "$source"

# The sources as they are in the checkout, without build folders or earlier
# packages: git's list honours .gitignore; outside git the top's build* and
# out folders are left behind.
if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$top" ls-files -z --cached --others --exclude-standard |
        tar -C "$top" --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -C "$source" -xf -
else
    tar -C "$top" --exclude=./.git --exclude='./build*/*' --exclude=./out --exclude='./*.deb' \
        -cf - . | tar -C "$source" -xf -
fi

# Every core unless the caller chose; the debug symbols package is not wanted
# beside a package built for one's own machine.
options=${DEB_BUILD_OPTIONS:-}
[[ " $options " == *" parallel="* ]] || options+=" parallel=$(nproc)"
[[ " $options " == *" noautodbgsym "* ]] || options+=" noautodbgsym"
(cd "$source" && DEB_BUILD_OPTIONS=${options# } dpkg-buildpackage -us -uc -b)

mv "$work/$deb" "$out/$deb"
echo "Built $out/$deb"
