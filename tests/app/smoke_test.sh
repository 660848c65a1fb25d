#!/bin/sh
# Starts the real program on a virtual display, waits for its window, takes a
# screenshot, closes the window as a user would and expects exit status 0.
# Usage: smoke_test.sh <program> <screenshot.png>
set -eu
program=$1
shot=$2
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${SMOKE_INSIDE_XVFB:-}" ]; then
    export SMOKE_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" # settings.xml goes to the working directory

"$program" &
pid=$!

window=
for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Merovi USB Playlist builder$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the program ended before showing its window" >&2
        exit 1
    fi
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "no window titled 'Merovi USB Playlist builder' appeared" >&2
    kill "$pid"
    exit 1
fi

sleep 1 # let it paint
import -window root "$shot"
python3 "$here/close_window.py" "$window"

status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the program exited with status $status" >&2
    exit 1
fi
echo "window shown, screenshot in $shot, closed with exit status 0"
