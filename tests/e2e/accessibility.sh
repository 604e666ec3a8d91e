#!/usr/bin/env bash
# Runs the program on the X server of the test with the accessibility bus on, and reads its tree
# as a screen reader would. Run inside dbus-run-session, with DISPLAY set.
set -euo pipefail
program=$1
here=$(dirname "$0")
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
# The program finds the bus through this name; wait for it rather than for a fixed time.
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
done

XDG_CONFIG_HOME=$scratch LANGUAGE=en LANG=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" &
pids+=($!)
/usr/bin/python3 "$here/accessibility/read-tree.py"
