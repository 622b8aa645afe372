#!/bin/sh
# Runs inside xvfb-run: starts a window manager, then the program, asks the window manager to
# close the program's window as its close button would, and ends with the program's exit status.
# With SIZE ("width,height"), the window manager first resizes the window, as a user would.
# usage: close_by_window_manager.sh PROGRAM WINDOW_TITLE [SIZE]
set -u
program=$1
title=$2
size=${3:-}

# Polls a command for up to 60 seconds.
wait_for() {
    tries=0
    until "$@" >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -gt 600 ]; then
            return 1
        fi
        sleep 0.1
    done
}

window_listed() {
    wmctrl -l | grep -qF "$title"
}

openbox --sm-disable &
wm=$!
trap 'kill "$wm" 2>/dev/null' EXIT
wait_for wmctrl -m || { echo "the window manager did not come up" >&2; exit 90; }

"$program" &
app=$!
wait_for window_listed || { echo "no window titled $title" >&2; kill "$app"; exit 91; }

# Twice: the first request may come before the program has learnt its frame and least size.
for attempt in ${size:+1 2}; do
    sleep 1
    wmctrl -r "$title" -e "0,-1,-1,$size" || { echo "wmctrl could not resize" >&2; kill "$app"; exit 93; }
done
[ -z "$size" ] || sleep 1

wmctrl -c "$title" || { echo "wmctrl could not ask to close the window" >&2; kill "$app"; exit 92; }

# The program must end by itself; a watchdog stops it after 60 seconds, and the run fails.
( exec >/dev/null 2>&1; sleep 60; kill "$app" ) &
watchdog=$!
wait "$app"
status=$?
kill "$watchdog" 2>/dev/null
[ "$status" -eq 0 ] || echo "the program ended with status $status" >&2
exit "$status"
