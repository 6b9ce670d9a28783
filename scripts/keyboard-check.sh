#!/bin/sh
# Builds the editor and uses it on a copy of the demo game by keyboard alone, on a US and a Russian layout,
# reading every value through the accessibility tree (AT-SPI) as a screen reader does. Runs under Xvfb with
# its own session and accessibility buses; not part of the test suite (it needs a real X server).
# Usage: keyboard-check.sh [editor]   (another build of the editor, e.g. the portable one, in its place)
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh at-spi2-core dbus python3-pyatspi x11-xkb-utils xdotool
cmake --preset release
cmake --build --preset release --parallel "$(nproc)" --target demo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r build/release/demo "$work/demo"
[ -z "${1:-}" ] || cp "$1" "$work/demo/tool/rostermaker"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    /usr/bin/python3 scripts/keyboard-check.py "$0/tool/rostermaker" "$0"
' "$work/demo"
