#!/usr/bin/env bash
# The README's first command as a newcomer meets it: scripts/run.sh configures
# and builds the program on a machine that has only the build packages. The
# programs of the packages only the tests need (xvfb-run, Xvfb, xdotool,
# ffmpeg, dbus-daemon, the FUSE tools, Python …) are hidden in a private mount
# namespace: overlays over /usr/bin and /usr/sbin whose upper folders hold a
# whiteout for each. Without a display run.sh then stops at "No display
# found", status 1; anything else fails this check. Needs root (CI runs so).
# MEROVI_FRESH_BUILD_DIR sets the build folder (build-fresh), made afresh.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ] || ! unshare --mount true 2>/dev/null; then
    echo "fresh-build: needs root and a private mount namespace (unshare --mount)" >&2
    exit 1
fi

build=${MEROVI_FRESH_BUILD_DIR:-build-fresh}
rm -rf "$build"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Everything installed first, so there is something to hide.
bash scripts/setup.sh test
# The test list holds the build list: what it adds is what the tests alone need.
test_only=$(comm -13 <(MEROVI_SETUP_LIST=1 bash scripts/setup.sh build | sort -u) \
                     <(MEROVI_SETUP_LIST=1 bash scripts/setup.sh test | sort -u))
# The programs those bring along that a fresh machine lacks as well.
test_only+=" dbus-daemon dbus-bin python3-minimal python3.11 python3.11-minimal imagemagick-6.q16"
hidden=()
for package in $test_only; do
    while IFS= read -r path; do
        case "$path" in
        /usr/bin/* | /usr/sbin/* | /bin/* | /sbin/*) hidden+=("$(basename "$path")") ;;
        esac
    done < <(dpkg -L "$package" 2>/dev/null || true)
done
if [ ${#hidden[@]} -eq 0 ]; then
    echo "fresh-build: found no test-only programs to hide; are the test packages installed?" >&2
    exit 1
fi
for folder in bin sbin; do
    mkdir -p "$scratch/$folder/upper" "$scratch/$folder/work"
    for name in "${hidden[@]}"; do
        [ -e "/usr/$folder/$name" ] || [ -L "/usr/$folder/$name" ] || continue
        [ -e "$scratch/$folder/upper/$name" ] || mknod "$scratch/$folder/upper/$name" c 0 0
    done
done
echo "fresh-build: hiding ${#hidden[@]} programs of: $(echo $test_only)"

log=$scratch/run.log
status=0
# A fresh machine's search path: no Python of the user's own in front.
unshare --mount --propagation private env SCRATCH="$scratch" BUILD="$build" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -c '
    set -e
    for folder in bin sbin; do
        mount -t overlay overlay -o "lowerdir=/usr/$folder,upperdir=$SCRATCH/$folder/upper,workdir=$SCRATCH/$folder/work" "/usr/$folder"
    done
    for tool in xvfb-run Xvfb xdotool ffmpeg dbus-daemon python3; do
        if command -v "$tool" >/dev/null; then
            echo "fresh-build: $tool is still visible" >&2
            exit 3
        fi
    done
    unset DISPLAY WAYLAND_DISPLAY
    MEROVI_BUILD_DIR=$BUILD bash scripts/run.sh
' >"$log" 2>&1 || status=$?
cat "$log"

fail() {
    echo "fresh-build: FAILED: $*" >&2
    exit 1
}
[ "$status" -eq 1 ] || fail "scripts/run.sh ended with status $status, not 1 (no display)"
grep -q "No display found" "$log" || fail "scripts/run.sh did not stop at \"No display found\""
[ -x "$build/app/merovi-playlist-builder" ] || fail "the program was not built"
grep -q "Skipped: tst_preview needs xvfb-run" "$log" ||
    fail "the configure did not say that the window suites are skipped"
echo "fresh-build: scripts/run.sh configures and builds without the test-only packages"
