#!/usr/bin/env bash
# Installs the Debian 12 packages finwicks needs to build, run and test,
# skipping those already there. Uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libxcb-shm0-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n appstream desktop-file-utils
    googletest libgtest-dev
    fonts-noto-cjk
    xvfb xdotool x11-utils imagemagick xscreensaver xsecurelock libx11-dev libxfixes-dev
    qt6-wayland sway swayidle grim wtype libwayland-dev
    xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
    pulseaudio pulseaudio-utils sox faketime libpulse-dev libavformat-dev libavcodec-dev
    libswresample-dev
    debhelper lintian
    clang libclang-rt-dev
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
