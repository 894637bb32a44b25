#!/usr/bin/env bash
# Runs the Windows installer under Wine in a scratch copy of a Wine prefix, as a package manager
# would (silently, with /S), and checks what a player relies on: the program, its Start-menu
# shortcut and its entry in the list of installed programs are in place; the installed program
# starts and shows its window; installing again leaves one entry and keeps the language the
# player chose; the uninstaller, also run with /S, leaves no file, folder, shortcut or registry
# entry of the program behind, its settings included.
# Usage: scripts/windows-installer-check.sh SETUP.exe
set -euo pipefail
setup=$(realpath "$1")
name="Zorvan! Mah-Jongg Calculator"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\zorvan-calculator'

source "$(dirname "$0")/wine-desktop.sh"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A copy of the prefix the tests run in, or a new one: the check never touches the original.
if [ -n "${WINEPREFIX:-}" ] && [ -f "$WINEPREFIX/system.reg" ]; then
    cp -a "$WINEPREFIX" "$scratch/prefix"
    export WINEPREFIX=$scratch/prefix
else
    export WINEPREFIX=$scratch/prefix
    wineboot --init >/dev/null 2>&1
fi
wineserver --wait

run() { # a Windows program to its end, Wine's own processes included
    wine "$@" >/dev/null 2>&1
    wineserver --wait
}
unix_path() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
registry_value() { # the data of one value of the uninstall key, or nothing
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
files_of_prefix() { # every file and folder under drive_c but Wine's own scratch
    (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o \
        -print | sort)
}
program_mentions() { # lines of the user's registry that name the program
    wineserver --wait
    grep -i -c 'zorvan' "$WINEPREFIX/user.reg" || true
}

before=$(files_of_prefix)
folder=$(unix_path '%LOCALAPPDATA%')/Programs/Zorvan\ Calculator
start_menu=$(unix_path '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs
shortcut="$start_menu/$name.lnk"

run "$setup" /S
for file in zorvan-calculator.exe zorvan-hand.exe Uninstall.exe LICENSE.txt README.txt; do
    [ -f "$folder/$file" ] || fail "the installer did not put $file into $folder"
done
if [ ! -f "$shortcut" ]; then
    fail "no Start-menu shortcut \"$name\""
else
    target=$(strings -e l "$shortcut"; strings "$shortcut")
    grep -qiF 'Programs\Zorvan Calculator\zorvan-calculator.exe' <<<"$target" ||
        fail "the shortcut does not point at the installed zorvan-calculator.exe: $target"
fi
[ "$(registry_value DisplayName)" = "$name" ] || fail "the uninstall entry has no DisplayName"
for value in DisplayVersion Publisher DisplayIcon UninstallString EstimatedSize; do
    [ -n "$(registry_value $value)" ] || fail "the uninstall entry has no $value"
done
grep -qiF 'Zorvan Calculator\Uninstall.exe' <<<"$(registry_value UninstallString)" ||
    fail "the uninstall command is not the installed uninstaller"
echo "The installer puts the program, its shortcut and its uninstall entry in place."

# The installed program starts and shows its window.
start_program "$folder"
if wait_for_window "$name" >/dev/null; then
    echo "The installed program shows its window \"$name\"."
else
    fail "the installed program showed no window titled \"$name\""
fi
stop_program

# A newer version installed over this one keeps the player's settings (the language chosen).
settings='HKCU\Software\zorvan\zorvan-calculator'
wine reg add "$settings" /v language /d de /f >/dev/null 2>&1
run "$setup" /S
wine reg query "$settings" /v language 2>/dev/null | grep -q 'REG_SZ *de' ||
    fail "installing over the program lost the language the player chose"
entries=$(grep -c "^\"DisplayName\"=\"$name\"" "$WINEPREFIX/user.reg" || true)
[ "$entries" = 1 ] || fail "installing twice left $entries entries in the list of installed programs"
[ -f "$folder/zorvan-calculator.exe" ] || fail "installing twice lost the program"
echo "Installing twice leaves one entry and keeps the player's language."

run "$folder/Uninstall.exe" /S
after=$(files_of_prefix)
# The user's programs folder is the system's, made by the first per-user install.
left=$(diff <(echo "$before") <(echo "$after") | grep '^[<>]' | grep -v '^> ./users/[^/]*/AppData/Local/Programs$' || true)
[ -z "$left" ] || fail "the uninstaller left files behind: $left"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
[ "$(program_mentions)" = 0 ] || fail "the uninstaller left registry entries: $(grep -i zorvan "$WINEPREFIX/user.reg")"
echo "The uninstaller leaves no file, folder, shortcut or registry entry of the program behind."

exit $((failures > 0))
