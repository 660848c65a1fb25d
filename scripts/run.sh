#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it; a package given
# as argument is opened. MEROVI_BUILD_DIR builds elsewhere than build-qt6.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh build
# The same build folder the test command uses for Qt 6, so one build serves both.
build=${MEROVI_BUILD_DIR:-build-qt6}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEROVI_QT=6 -DMEROVI_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)" --target merovi-playlist-builder

program=$build/app/merovi-playlist-builder
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<MSG
No display found, so the window cannot be shown here.
On a machine without a screen, start it on a virtual display instead:
    apt-get install -y xvfb && xvfb-run -a $program
MSG
    exit 1
fi
exec "$program" "$@"
