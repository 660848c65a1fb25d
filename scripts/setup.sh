#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
# Usage: scripts/setup.sh build|test
set -euo pipefail

# The program builds against Qt 6; FFmpeg's libraries read and convert the
# videos; Qt Multimedia plays the preview; the image plugins read what phones
# and cameras make; libheif the HEIC photos of phones; Qt's translation tools
# build the program's catalogues, and Qt's own catalogues translate its buttons.
packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libzip-dev
          libavformat-dev libavcodec-dev libswscale-dev libavutil-dev libswresample-dev
          qt6-multimedia-dev libqt6multimediawidgets6 gstreamer1.0-plugins-base
          gstreamer1.0-plugins-good gstreamer1.0-libav qt6-image-formats-plugins
          kimageformat-plugins fonts-dejavu-core libheif-dev qt6-l10n-tools qt6-tools-dev
          qt6-translations-l10n)
if [ "${1:-build}" = test ]; then
    # Qt 5 for the second build CI makes; a virtual display and window tools
    # for the real-window tests; the archive tools and Python for the
    # interoperability tests; ffmpeg for sample videos, heif-enc for phone photos; a FAT formatter for
    # the stick test; validators for the desktop files; clang-format for the
    # style check; a private system bus with a stand-in for the drive service,
    # and real FAT32 and exFAT file systems through FUSE, for the drive tests;
    # other zip tools for the interoperability tests; a window manager for
    # screenshots.
    packages+=(qtbase5-dev qtbase5-dev-tools qtmultimedia5-dev libqt5multimedia5-plugins
               qt5-image-formats-plugins qttools5-dev-tools qttools5-dev qttranslations5-l10n
               xvfb xauth xdotool imagemagick libx11-6 zip unzip python3 ffmpeg dosfstools
               strace desktop-file-utils appstream clang-format dbus python3-dbusmock fusefat
               exfat-fuse exfatprogs libarchive-tools p7zip-full openbox libheif-examples)
fi

# scripts/fresh-build.sh hides what only the tests need: it asks for the lists.
if [ -n "${MEROVI_SETUP_LIST:-}" ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all needed packages are installed"
    exit 0
fi

echo "setup: installing ${missing[*]}"
run_as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "setup: these packages are missing; run this as root to install them: ${missing[*]}" >&2
        exit 1
    fi
    run_as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
