#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what an install puts on a desktop, and the Debian package built from it.
set -euo pipefail
src="$1"
build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

desktop-file-validate "$src/resources/desktop/tavlo.desktop"
appstreamcli validate --no-net "$build/example.tavlo.Tavlo.metainfo.xml"

cmake --install "$build" --prefix "$work/prefix" > /dev/null
for f in bin/tavlo share/applications/tavlo.desktop share/metainfo/example.tavlo.Tavlo.metainfo.xml \
         share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/tavlo.png; do
    [ -f "$work/prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -x "$work/prefix/bin/tavlo" ] || { echo "bin/tavlo is not executable"; exit 1; }
grep -q '^Exec=tavlo %f$' "$work/prefix/share/applications/tavlo.desktop"
grep -q '^MimeType=text/plain;$' "$work/prefix/share/applications/tavlo.desktop"

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" > /dev/null)
deb="$(ls "$work"/deb/tavlo_1.1.6_*.deb)"
echo "package: $(basename "$deb")"
contents="$(dpkg-deb --contents "$deb" | awk '{print $6}')"
echo "$contents"
depends="$(dpkg-deb --field "$deb" Depends)"
echo "depends: $depends"
for lib in libqt5widgets5 libqt5network5 libc6 libhunspell; do
    grep -q "$lib" <<<"$depends" || { echo "the package does not depend on $lib"; exit 1; }
done
recommends="$(dpkg-deb --field "$deb" Recommends)"
for dictionary in myspell-fa hunspell-ar hunspell-en-us; do
    grep -q "$dictionary" <<<"$recommends" || { echo "the package does not recommend $dictionary"; exit 1; }
done
grep -q '^./usr/bin/tavlo$' <<<"$contents"
grep -q '^./usr/share/applications/tavlo.desktop$' <<<"$contents"
echo "packaging checks passed"
