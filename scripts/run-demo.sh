#!/bin/sh
# Builds the editor and opens it on the demo data (demo/ staged beside the executable in
# build/release/demo/tool). Without a display it runs under Xvfb and saves a screenshot instead.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --parallel "$(nproc)" --target demo
editor=build/release/demo/tool/rostermaker
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$editor"
fi
echo "No display: running the editor under Xvfb for a few seconds."
./scripts/screenshot.sh "$editor" build/release/screenshot.png
echo "Screenshot of the window: build/release/screenshot.png"
