#!/usr/bin/env bash
# Installs everything the player, its tests, tools and benchmarks need on Debian 12.
# Safe to run again: it only calls apt-get when a package is missing.
#   --fuzzing   also clang and its fuzzing runtime, and valgrind (scripts/fuzz.sh, memory checks)
#   --demo      also the fonts the demo's names need (scripts/run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

fuzzing=0
demo=0
for arg in "$@"; do
    case $arg in
    --fuzzing) fuzzing=1 ;;
    --demo) demo=1 ;;
    *)
        echo "scripts/install-deps.sh: unknown option '$arg'" >&2
        exit 2
        ;;
    esac
done

packages=(
    # build
    build-essential cmake ninja-build pkg-config git ccache
    qt6-base-dev qt6-httpserver-dev qt6-websockets-dev
    # translations: lupdate and lrelease, their CMake functions, and Qt's own texts translated
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libvlc-dev vlc-plugin-base vlc-plugin-video-output
    # libVLC's plugin cache (plugins.dat): without it every start dlopens every plugin
    libvlc-bin
    libqrcodegencpp-dev libsimdjson-dev zlib1g-dev libexpat1-dev
    # Qt Sql's SQLite driver, for the library and the programme guide (headers: qt6-base-dev)
    libqt6sql6-sqlite
    # servers' time zones by name (archive addresses are written on the server's clock)
    tzdata
    # the pairing backend's shared state (Redis client; the server for tests and benchmarks)
    libhiredis-dev redis-server
    # tests: generated media, a virtual display, screenshots and X input, TLS certificates
    # (AddressSanitizer and UBSan come with g++)
    ffmpeg xvfb xauth xdotool imagemagick x11-apps fonts-dejavu-core openssl
    # CPU-bound load beside the suite, to check that it passes on a busy machine
    stress-ng
    # a window manager on the virtual display (fullscreen is its job) and xprop to ask it
    openbox x11-utils
    # check of the installed menu entry; the package test: dpkg-shlibdeps for cpack's
    # dependencies, appstreamcli for the metainfo
    desktop-file-utils dpkg-dev appstream
    # browser test of the pairing page (node and npm below)
    chromium
    # the anchor the cold-start benchmark runs alongside (json.loads, a regex playlist reading)
    python3
)
if ((fuzzing)); then
    packages+=(clang libclang-rt-14-dev valgrind)
fi
if ((demo)); then
    # The demo's channels and movies are named in Arabic, Hebrew, Chinese and Japanese too;
    # without these a fresh system draws boxes (the package recommends the same fonts).
    # fontconfig's trigger adds them to the font cache.
    packages+=(fonts-noto-core fonts-noto-cjk fontconfig)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
# Node.js may come from elsewhere (some images ship their own build, which includes npm and
# conflicts with Debian's npm package): only ask for what is not there.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)

if ((${#missing[@]})); then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Node packages for the browser test (playwright-core drives Debian's chromium).
if [ -f tests/browser/package.json ] && [ ! -d tests/browser/node_modules/playwright-core ]; then
    (cd tests/browser && npm ci --no-audit --no-fund --no-update-notifier --loglevel=error)
fi
