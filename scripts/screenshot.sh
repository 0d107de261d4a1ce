#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the screenshots of the README in a virtual X display: docs/screenshot.png (Persian text
# in the right-to-left layout), docs/screenshot-fa.png (the Persian interface with the find
# panel open), docs/invisibles-{off,on}.png (the same words without and with View > Show
# Invisible Characters), and for the Persian (fa) and Arabic (ar) interfaces
# docs/<fa|ar>-encoding-dialog.png, docs/<fa|ar>-about-box.png and
# docs/<fa|ar>-message-persian-path.png (a file that is not there, named by a Persian path).
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
printf 'مرحبا بالعالم، هذا نص عربي قديم.\n' | iconv -f utf-8 -t windows-1256 > "$work/رسالة.txt"
printf '%b' 'کتاب\u200cها را نمی\u200cدانم.\nسلام\u200f (Tavlo) \u200eok\u200e و ۱۴۰۵\nنام:\tمقدار\n۱۲\u00a0کیلوگرم، 5\u202fkm\n\u2067English\u2069 در متن فارسی\n' > "$work/invisible.txt"

# shot <LANG> <screen> <crop> <output> <keys typed into the window, or nothing> [file] [settings]
shot() {
    local lang="$1" screen="$2" crop="$3" output="$4" keys="$5" file="${6:-$work/شعر.txt}" extra="${7:-}"
    rm -rf "$work/config" "$work/data"
    mkdir -p "$work/config/Merovane"
    # Right-to-left layout, a font with Persian glyphs, and no update check.
    cat > "$work/config/Merovane/Tavlo.conf" <<'CONF'
[General]
Wrap=3
remind=9223372036854775807
font="Noto Naskh Arabic,15,-1,5,50,0,0,0,0,0"
geometry=@ByteArray()
CONF
    [ -z "$extra" ] || printf '%b\n' "$extra" >> "$work/config/Merovane/Tavlo.conf"
    LANG="$lang" LANGUAGE= LC_ALL= LC_MESSAGES= XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        xvfb-run -a --server-args="-screen 0 ${screen}x24" bash -c "
        '$top/build/src/tavlo' '$file' &
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
for shown in false true; do
    name=$([ "$shown" = true ] && echo on || echo off)
    shot C.UTF-8 640x330 600x320+0+0 "$top/docs/invisibles-$name.png" "" "$work/invisible.txt" \
        "zoom=125\nshowInvisibles=$shown"
done

# box <LANG> <output> <file, or nothing> <keys typed into the first window shown, or nothing>
# The window and the box over it, on a black screen that is trimmed away.
box() {
    local lang="$1" output="$2" file="$3" keys="$4"
    rm -rf "$work/config" "$work/data"
    mkdir -p "$work/config/Merovane"
    cat > "$work/config/Merovane/Tavlo.conf" <<'CONF'
[General]
Wrap=3
remind=9223372036854775807
font="Noto Naskh Arabic,15,-1,5,50,0,0,0,0,0"
geometry=@ByteArray()
CONF
    LANG="$lang" LANGUAGE= LC_ALL= LC_MESSAGES= XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        xvfb-run -a --server-args="-screen 0 900x640x24" bash -c "
        '$top/build/src/tavlo' ${file:+\"$file\"} &
        pid=\$!
        sleep 3
        if [ -n '$keys' ]; then
            # The main window, or the dialog that comes before it.
            window=\$(xdotool search --onlyvisible --pid \$pid | head -1)
            case \"\$(xdotool getwindowname \$window)\" in *Tavlo*) xdotool windowsize \$window 760 520 ;; esac
            xdotool windowfocus --sync \$window; sleep 0.3
            for key in $keys; do xdotool key --window \$window \$key; sleep 0.3; done
            sleep 1
        fi
        import -window root '$output'
        kill \$pid
    "
    convert "$output" -trim +repage "$output"
    echo "wrote ${output#$top/}"
}

for lang in fa_IR ar_EG; do
    short=${lang%_*}
    # Alt+S takes the suggestion, whatever letter the translation's mnemonic marks.
    box $lang.UTF-8 "$top/docs/$short-encoding-dialog.png" "$work/رسالة.txt" "alt+s"
    # Alt opens the menu bar; right to left, Right goes back round to Help, whose second item is About.
    box $lang.UTF-8 "$top/docs/$short-about-box.png" "" "alt Right Down Down Return"
    box $lang.UTF-8 "$top/docs/$short-message-persian-path.png" "/srv/نامه‌ها/گزارش ۲.txt" ""
done
