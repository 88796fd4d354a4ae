#!/usr/bin/env bash
# Builds in release mode and runs every benchmark, printing one table of figures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The build talks on stderr, so standard output is the table alone.
VELMORA_BUILD_DIR=build-release VELMORA_BUILD_TYPE=Release scripts/build.sh -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=ON >&2
results=$(mktemp)
trap 'rm -f "$results"' EXIT
while IFS= read -r bench; do
    [ -n "$bench" ] || continue
    echo "running $(basename "$bench")..." >&2
    "$bench" | grep '^BENCH' >>"$results" || echo "BENCH	$(basename "$bench")	FAILED	-	-	-" >>"$results"
done <build-release/benchmarks.txt
{
    printf 'benchmark\tcase\tvalue\tunit\ttarget\n'
    cut -f2- "$results"
} | column -t -s $'\t'
