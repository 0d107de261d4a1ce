#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes docs/screenshot.png: Tavlo showing Persian text, in a virtual X display.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bash "$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$top/build" -j"$(nproc)" --target tavlo > /dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Merovane"
# Right-to-left layout, a font with Persian glyphs, and no update check.
cat > "$work/config/Merovane/Tavlo.conf" <<'CONF'
[General]
Wrap=3
remind=9223372036854775807
font="Noto Naskh Arabic,15,-1,5,50,0,0,0,0,0"
geometry=@ByteArray()
CONF
cat > "$work/شعر.txt" <<'TEXT'
سلام! این یک متن فارسی است که در Tavlo نوشته شده.
متن دوسویه درست نشان داده می‌شود: English words و ۱۴۰۵.
جست‌وجوی «كتاب» با کاف عربی، «کتاب» با کاف فارسی را هم پیدا می‌کند.
TEXT

XDG_CONFIG_HOME="$work/config" xvfb-run --server-args="-screen 0 640x330x24" bash -c "
    '$top/build/src/tavlo' '$work/شعر.txt' &
    pid=\$!
    sleep 3
    import -window root -crop 600x320+0+0 '$top/docs/screenshot.png'
    kill \$pid
"
echo "wrote docs/screenshot.png"
