#!/usr/bin/env bash
# Builds the Debian package: a release build into build-package/, cpack, then lintian.
# The package lands in build-package/velmora-player_<version>_<arch>.deb; install it with
#   sudo apt-get install ./build-package/velmora-player_*.deb
#
#   VELMORA_LINTIAN=0   skip lintian (otherwise it is installed on first use)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi

# The compiler and linker flags every Debian package gets (stack protector, fortified functions,
# read-only relocations bound at start-up), without debug information: the package is stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
VELMORA_BUILD_DIR=build-package VELMORA_BUILD_TYPE=Release scripts/build.sh \
    -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF -DVELMORA_WERROR=ON \
    "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "${launcher[@]}"

rm -f build-package/velmora-player_*.deb
(cd build-package && cpack -G DEB)
deb=$(echo build-package/velmora-player_*.deb)

if [ "${VELMORA_LINTIAN:-1}" != 0 ]; then
    if ! command -v lintian >/dev/null; then
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y --no-install-recommends lintian
    fi
    # Debian 12's lintian finds no errors or warnings. What it reports at the info level stays:
    #   binary-has-unneeded-section .comment: cpack strips with plain strip, which keeps the
    #     compiler's version note (a few hundred bytes);
    #   hardening-no-fortify-functions (demo server): it calls none of the fortified functions.
    echo "=== lintian $deb"
    lintian --display-info --fail-on error "$deb"
fi
echo "Package: $deb"
