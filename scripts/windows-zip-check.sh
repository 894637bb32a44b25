#!/usr/bin/env bash
# Unpacks the Windows zip into a scratch folder and starts the calculator from there under
# Wine on a virtual X display: its window must appear with its title and its menu bar must
# open a menu; on a German desktop it must speak German. With a PNG path it also saves a
# picture of the window as Windows draws it, with the Help menu open, and one of the German
# desktop (PICTURE-de.png).
# Usage: scripts/windows-zip-check.sh ZIP [PICTURE.png]
set -euo pipefail
zip=$(realpath "$1")
picture=${2:+$(realpath -m "$2")}
german_picture=${picture:+${picture%.png}-de.png}
title="Zorvan! Mah-Jongg Calculator"

source "$(dirname "$0")/wine-desktop.sh"
(cd "$scratch" && cmake -E tar xf "$zip")
folder=$(find "$scratch" -name zorvan-calculator.exe -printf '%h\n' | head -n1)

start_program "$folder"
window=$(wait_for_window "$title") || {
    echo "FAIL: no window titled \"$title\" from the unpacked zip" >&2
    exit 1
}
echo "The unpacked zip shows its window \"$title\"."

# A click on "Help" in the menu bar opens its menu, a window of its own.
sleep 2
windows_before=$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l)
xdotool mousemove --window "$window" 150 32 click 1
sleep 1
windows_after=$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l)
if [ "$windows_after" -le "$windows_before" ]; then
    echo "FAIL: a click on the menu bar opened no menu" >&2
    exit 1
fi
echo "A click on its menu bar opens a menu."

if [ -n "$picture" ]; then
    desktop=$(xdotool search --name '^Zorvan - Wine desktop$' | head -n1)
    read -r x y width height < <(xwininfo -id "$window" | awk '
        /Relative upper-left X/ {x = $NF} /Relative upper-left Y/ {y = $NF}
        /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}')
    import -window "$desktop" -crop "${width}x${height}+${x}+${y}" +repage "$picture"
    echo "Saved $picture"
fi

# On a German desktop the program comes up in German: the first item of its first menu opens
# the fan rules, whose title is then "Fans zählen" (a click opens the menu, Down and Return
# choose its first item).
stop_program
start_program "$folder" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
window=$(wait_for_window "$title") || {
    echo "FAIL: no window on a German desktop" >&2
    exit 1
}
sleep 2
xdotool mousemove --window "$window" 60 32 click 1
sleep 1
xdotool key Down Return
wait_for_window 'Fans zählen' 20 >/dev/null || {
    echo "FAIL: on a German desktop the first menu item opened no window titled \"Fans zählen\"" >&2
    exit 1
}
echo "On a German desktop it speaks German (\"Fans zählen\")."
if [ -n "$picture" ]; then
    xdotool mousemove --window "$window" 60 32 click 1
    sleep 1
    desktop=$(xdotool search --name '^Zorvan - Wine desktop$' | head -n1)
    import -window "$desktop" "$german_picture"
    echo "Saved $german_picture"
fi
