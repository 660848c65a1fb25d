#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# MEROVI_BUILD_DIR picks the build folder; MEROVI_SANITIZE=ON builds with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${MEROVI_BUILD_DIR:-build}
sanitize=${MEROVI_SANITIZE:-OFF}

bash scripts/setup.sh test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEROVI_SANITIZE="$sanitize"
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
ctest --test-dir "$build" --output-on-failure --timeout 600
