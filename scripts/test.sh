#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under a virtual X display.
#
#   VELMORA_SANITIZERS=1   also build the suite with AddressSanitizer and UndefinedBehaviorSanitizer
#                          (build-asan/, its output in build-asan/build.log; it compiles while the
#                          regular suite runs) and run it once more. A second build of everything
#                          doubles the time on two cores, so it is asked for, not the default.
#   extra arguments        go to both ctest runs (e.g. -R tst_m3uparser)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

run_suite() {
    local dir=$1
    shift
    (cd "$dir" && xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" \
        ctest --output-on-failure -j "${VELMORA_JOBS:-2}" "$@")
}

status=0
VELMORA_BUILD_DIR=${VELMORA_BUILD_DIR:-build} scripts/build.sh -DVELMORA_WERROR=ON

# The sanitizer build compiles while the regular suite runs, which mostly waits on real time
# (playback, servers, timers); at a lower priority, so the tests keep their pace.
sanitizers=${VELMORA_SANITIZERS:-0}
asan_log=build-asan/build.log
if [ "$sanitizers" != 0 ]; then
    mkdir -p build-asan
    # Light optimisation and line tables only: the sanitizers need no more, and it builds fast.
    VELMORA_BUILD_DIR=build-asan VELMORA_BUILD_TYPE=Release nice -n 10 scripts/build.sh \
        -DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON -DVELMORA_BUILD_BENCH=OFF \
        "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -g1 -DNDEBUG" >"$asan_log" 2>&1 &
    asan_build=$!
fi

run_suite "${VELMORA_BUILD_DIR:-build}" "$@" || status=1
regular=$status

if [ "$sanitizers" != 0 ]; then
    echo
    echo "=== The same suite under AddressSanitizer and UndefinedBehaviorSanitizer ==="
    if wait "$asan_build"; then
        run_suite build-asan "$@" || status=1
    else
        tail -n 60 "$asan_log"
        echo "The sanitizer build failed (whole output in $asan_log)."
        status=1
    fi
    if [ $regular != 0 ]; then
        echo "The regular run (before the sanitizer run) failed: see above."
    fi
fi
exit $status
