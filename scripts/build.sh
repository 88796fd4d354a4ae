#!/usr/bin/env bash
# Configures and builds into a build directory (default: build). Extra arguments go to CMake.
# VELMORA_TARGETS (space-separated) builds only those targets instead of everything.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${VELMORA_BUILD_DIR:-build}
build_type=${VELMORA_BUILD_TYPE:-RelWithDebInfo}
launcher=()
# A compiler cache makes rebuilds of other build folders and later runs cheap, where there is one.
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "${launcher[@]}" "$@"
elif (($#)); then
    cmake "$build_dir" "$@"
fi
targets=()
for target in ${VELMORA_TARGETS:-}; do
    targets+=(--target "$target")
done
cmake --build "$build_dir" -j "${VELMORA_JOBS:-2}" "${targets[@]}"
