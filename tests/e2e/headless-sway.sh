#!/bin/sh
# Runs a command beside a fresh headless sway with one output of 1280x720, its sockets exported
# (WAYLAND_DISPLAY, SWAYSOCK, XDG_RUNTIME_DIR). sway will not run as root, so it runs as nobody
# in a runtime folder that nobody owns; root's clients connect to it all the same.
set -u
top=$(mktemp -d)
chmod 755 "$top"
runtime=$top/runtime
mkdir -m 700 "$runtime"
cat >"$top/config" <<'CONF'
output HEADLESS-1 resolution 1280x720 position 0 0 bg #202020 solid_color
default_border none
default_floating_border none
focus_follows_mouse no
CONF
if [ "$(id -u)" = 0 ]; then
    chown -R 65534:65534 "$runtime"
    asUser="setpriv --reuid=65534 --regid=65534 --clear-groups"
else
    asUser=""
fi
XDG_RUNTIME_DIR=$runtime WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    $asUser sway -c "$top/config" >"$top/sway.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$top"' EXIT
tries=0
until [ -S "$runtime/wayland-1" ] && ls "$runtime"/sway-ipc.*.sock >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "headless-sway.sh: sway did not start" >&2
        cat "$top/sway.log" >&2
        exit 1
    fi
    sleep 0.05
done
XDG_RUNTIME_DIR=$runtime
WAYLAND_DISPLAY=wayland-1
SWAYSOCK=$(ls "$runtime"/sway-ipc.*.sock | head -n 1)
export XDG_RUNTIME_DIR WAYLAND_DISPLAY SWAYSOCK
unset DISPLAY
# A headless seat has no keyboard until a client brings one, and the first key of a keyboard that
# comes and goes reaches nobody: one stays for the whole run.
wtype -s 86400000 &
keyboard=$!
trap 'kill "$keyboard" "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$top"' EXIT
"$@"
