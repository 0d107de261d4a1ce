#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the screenshots of the README in a virtual X display: docs/screenshot.png (Persian text
# in the right-to-left layout) and docs/screenshot-fa.png (the Persian interface with the find
# panel open).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bash "$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$top/build" -j"$(nproc)" --target tavlo > /dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat > "$work/شعر.txt" <<'TEXT'
سلام! این یک متن فارسی است که در Tavlo نوشته شده.
متن دوسویه درست نشان داده می‌شود: English words و ۱۴۰۵.
جست‌وجوی «كتاب» با کاف عربی، «کتاب» با کاف فارسی را هم پیدا می‌کند.
TEXT

# shot <LANG> <screen> <crop> <output> <keys typed into the window, or nothing>
shot() {
    local lang="$1" screen="$2" crop="$3" output="$4" keys="$5"
    rm -rf "$work/config"
    mkdir -p "$work/config/Merovane"
    # Right-to-left layout, a font with Persian glyphs, and no update check.
    cat > "$work/config/Merovane/Tavlo.conf" <<'CONF'
[General]
Wrap=3
remind=9223372036854775807
font="Noto Naskh Arabic,15,-1,5,50,0,0,0,0,0"
geometry=@ByteArray()
CONF
    LANG="$lang" LANGUAGE= LC_ALL= LC_MESSAGES= XDG_CONFIG_HOME="$work/config" \
        xvfb-run -a --server-args="-screen 0 ${screen}x24" bash -c "
        '$top/build/src/tavlo' '$work/شعر.txt' &
        pid=\$!
        sleep 3
        if [ -n '$keys' ]; then
            window=\$(xdotool search --onlyvisible --name 'Tavlo' | head -1)
            xdotool windowfocus --sync \$window; sleep 0.3
            xdotool key --window \$window $keys
            sleep 1
        fi
        import -window root -crop '$crop' '$output'
        kill \$pid
    "
    echo "wrote ${output#$top/}"
}

shot C.UTF-8 640x330 600x320+0+0 "$top/docs/screenshot.png" ""
shot fa_IR.UTF-8 640x560 600x530+0+0 "$top/docs/screenshot-fa.png" "ctrl+f"
