#!/bin/sh
# Runs a command on a fresh X server of 2560x720 that RandR splits into two monitors side by
# side, LEFT and RIGHT, each 1280x720.
set -u
displayFile=$(mktemp)
Xvfb -displayfd 3 -screen 0 2560x720x24 -nolisten tcp -noreset 3>"$displayFile" &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$displayFile"' EXIT
tries=0
while [ ! -s "$displayFile" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "two-monitors.sh: Xvfb did not start" >&2
        exit 1
    fi
    sleep 0.1
done
DISPLAY=:$(cat "$displayFile")
export DISPLAY
xrandr --setmonitor LEFT 1280/339x720/191+0+0 screen || exit 1
xrandr --setmonitor RIGHT 1280/339x720/191+1280+0 none || exit 1
"$@"
