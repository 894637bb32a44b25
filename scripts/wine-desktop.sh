# Sourced by the Windows package checks: a scratch folder, a virtual X display for Wine, and
# the ways to start a Windows program on it and wait for its windows. Everything it starts is
# ended, and the scratch folder removed, when the sourcing script exits.
scratch=$(mktemp -d)
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    wineserver -k 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# Wine's menu builder would copy Start-menu shortcuts into this machine's own application menu.
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
sleep 1

# start_program FOLDER [VARIABLE=VALUE ...]: starts FOLDER's zorvan-calculator.exe in Wine's
# virtual desktop, which draws the window frames itself, as Windows does.
start_program() {
    local folder=$1
    shift
    (cd "$folder" && exec env "$@" wine explorer /desktop=Zorvan,800x700 ./zorvan-calculator.exe) \
        >/dev/null 2>&1 &
    app_pid=$!
}

# stop_program: ends the program and every Wine process with it.
stop_program() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    wineserver -k 2>/dev/null || true
    wineserver --wait 2>/dev/null || true
    app_pid=""
}

# wait_for_window TITLE [TRIES]: prints the id of the window titled exactly TITLE once it
# appears (a try every half second, 120 by default); fails when it does not.
wait_for_window() {
    local window
    for _ in $(seq "${2:-120}"); do
        window=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1)
        [ -n "$window" ] && echo "$window" && return 0
        sleep 0.5
    done
    return 1
}
