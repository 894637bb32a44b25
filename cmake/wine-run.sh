#!/bin/sh
# Runs a Windows test program under Wine for CTest (the cross build's emulator).
# Wine keeps Unix variables that begin with QT_ from the program, but passes WINEQT_... on as
# QT_...; and a windowed Wine process has no console for QtTest to write to, so its report
# goes to a file that is printed afterwards.
# Usage: wine-run.sh PROGRAM.exe [ARG ...]
set -u
program=$1
shift
for variable in QT_QPA_PLATFORM QT_QPA_FONTDIR QT_SCALE_FACTOR; do
    eval "value=\${$variable-}"
    [ -n "$value" ] && export "WINE$variable=$value"
done
export WINEDEBUG=${WINEDEBUG:--all}
wine=$(command -v wine || command -v wine64)

case $(basename "$program") in
tst_*)
    report=$(mktemp "${TMPDIR:-/tmp}/wine-test.XXXXXX")
    "$wine" "$program" "$@" -o "$report,txt"
    status=$?
    cat "$report"
    rm -f "$report"
    exit $status
    ;;
*)
    exec "$wine" "$program" "$@"
    ;;
esac
