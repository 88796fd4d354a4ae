#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under a virtual X display.
# The last lines are ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
VELMORA_BUILD_DIR=${VELMORA_BUILD_DIR:-build} scripts/build.sh -DVELMORA_WERROR=ON
cd "${VELMORA_BUILD_DIR:-build}"
xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" \
    ctest --output-on-failure -j "${VELMORA_JOBS:-2}" "$@"
