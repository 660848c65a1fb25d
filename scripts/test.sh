#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, against
# Qt 6 and again against Qt 5.15: the program builds from one source for both.
# MEROVI_QT=5|6 tests one of them only; MEROVI_SANITIZE=ON builds with
# AddressSanitizer and UndefinedBehaviorSanitizer (in build-sanitize-qtN).
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=${MEROVI_SANITIZE:-OFF}
versions=${MEROVI_QT:-"6 5"}

bash scripts/setup.sh test

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}

for qt in $versions; do
    build=build-qt$qt
    [ "$sanitize" = ON ] && build=build-sanitize-qt$qt
    echo "== Qt $qt: $build"
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEROVI_QT="$qt" \
          -DMEROVI_SANITIZE="$sanitize" -DMEROVI_BUILD_BENCH=OFF
    cmake --build "$build" -j"$(nproc)"
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
done
