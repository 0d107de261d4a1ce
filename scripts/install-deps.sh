#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, running and testing Tavlo need.
set -euo pipefail
packages=(
    build-essential cmake
    qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools qttranslations5-l10n
    libuchardet-dev pkg-config zlib1g-dev
    libhunspell-dev myspell-fa hunspell-ar hunspell-en-us
    libpango1.0-dev libcairo2-dev poppler-utils
    acl attr
    fonts-noto-core fonts-dejavu-core
    openssl ca-certificates
    desktop-file-utils appstream dpkg-dev file xvfb xauth imagemagick xdotool
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
