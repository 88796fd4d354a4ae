#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz and runs each for a fixed time,
# one after another at the lowest priority, then prints one line per target.
#
#   scripts/fuzz.sh [seconds-per-target] [target...]      (default: 60 seconds, every target)
#
# Each target works on its own corpus in build-fuzz/corpus/<target>, seeded from
# fuzz/corpus/<target> and kept between runs; the seeds are never written to unless
# VELMORA_FUZZ_MERGE_SEEDS=1 asks to merge what was found back into them. Crashes land in
# build-fuzz/artifacts/<target>/, the fuzzer's output in build-fuzz/logs/<target>.log.
# The exit status is 1 when a target crashed. VELMORA_FUZZ_NICE sets the fuzzers' niceness
# (default 19, the lowest priority).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${VELMORA_FUZZ_BUILD_DIR:-build-fuzz}
all_targets=(m3uparser xtreamparser catalogfile catalogcache pairingresponses pairingbackend xmltv
    xtreamepg)

seconds=60
if (($#)) && [[ $1 =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
targets=("$@")
((${#targets[@]})) || targets=("${all_targets[@]}")
for target in "${targets[@]}"; do
    if [[ ! " ${all_targets[*]} " =~ " $target " ]]; then
        echo "unknown target: $target (targets: ${all_targets[*]})" >&2
        exit 2
    fi
done

scripts/install-deps.sh --fuzzing
if [ ! -f "$build_dir/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELMORA_FUZZ=ON -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF >/dev/null
fi
nice -n 19 cmake --build "$build_dir" -j "${VELMORA_JOBS:-2}" \
    --target "${targets[@]/#/fuzz_}"

# One dictionary per target: JSON tokens plus the target's own words.
dictionary_parts() {
    case $1 in
    m3uparser) echo m3uparser ;;
    xmltv) echo xmltv ;;
    catalogcache) echo json catalogfile ;;
    *) echo json "$1" ;;
    esac
}

# The catalog cache target writes a file per input: memory is faster than a disk.
tmp=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && tmp=/dev/shm

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

crashed=0
report=()
for target in "${targets[@]}"; do
    corpus=$build_dir/corpus/$target
    artifacts=$build_dir/artifacts/$target
    log=$build_dir/logs/$target.log
    dict=$build_dir/dict/$target.dict
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")" "$(dirname "$dict")"
    cp -n fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
    : >"$dict"
    for part in $(dictionary_parts "$target"); do
        cat "fuzz/dict/$part.dict" >>"$dict"
    done
    before_files=$(find "$corpus" -type f | wc -l)

    echo "== $target: ${seconds}s" >&2
    start=$(date +%s)
    status=0
    TMPDIR=$tmp nice -n "${VELMORA_FUZZ_NICE:-19}" "$build_dir/fuzz/fuzz_$target" "$corpus" \
        -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=25 \
        -dict="$dict" -artifact_prefix="$artifacts/" -print_final_stats=1 \
        >"$log" 2>&1 || status=$?
    elapsed=$(($(date +%s) - start))

    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    first_cov=$(grep -m1 -o 'INITED cov: [0-9]*' "$log" | grep -o '[0-9]*$' || true)
    last_cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    after_files=$(find "$corpus" -type f | wc -l)
    new_artifacts=$(find "$artifacts" -type f -newer "$dict" | sort)
    if ((status != 0)) || [ -n "$new_artifacts" ]; then
        crashed=1
    fi
    report+=("$(printf '%-17s %11s %7s %11s %11s  %s' "$target" "${executions:-?}" \
        "$elapsed" "${first_cov:-?}->${last_cov:-?}" "$before_files->$after_files" \
        "$( [ -n "$new_artifacts" ] && echo "$new_artifacts" | tr '\n' ' ' || echo "none (exit $status)")")")
done

if [ "${VELMORA_FUZZ_MERGE_SEEDS:-0}" = 1 ]; then
    for target in "${targets[@]}"; do
        nice -n 19 "$build_dir/fuzz/fuzz_$target" -merge=1 "fuzz/corpus/$target" \
            "$build_dir/corpus/$target" >>"$build_dir/logs/$target.log" 2>&1
    done
fi

printf '%-17s %11s %7s %11s %11s  %s\n' target executions seconds coverage corpus \
    "crashes (artifacts)"
printf '%s\n' "${report[@]}"
exit $crashed
