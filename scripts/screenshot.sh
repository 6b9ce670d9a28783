#!/bin/sh
# Usage: screenshot.sh <editor> <out.png>
# Starts the editor under a virtual X display, waits until its window is up and saves a picture of it.
set -eu
editor=$(realpath "$1")
out=$(realpath -m "$2")
xvfb-run -a -s "-screen 0 1000x700x24" sh -c '
    "$0" &
    pid=$!
    sleep 3
    import -window root -crop 781x529+0+0 "$1"
    kill $pid 2>/dev/null || true
' "$editor" "$out"
