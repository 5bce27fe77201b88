#!/usr/bin/env bash
# Runs the libFuzzer targets (fuzz/*_fuzz.cpp), each for CRENZEL_FUZZ_SECONDS (default 45) from
# its seed corpus in fuzz/corpus/<name>. Built with clang into build-fuzz.
#   scripts/fuzz.sh                 every target
#   scripts/fuzz.sh config midi     some of them
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${CRENZEL_FUZZ_DIR:-build-fuzz}
seconds=${CRENZEL_FUZZ_SECONDS:-45}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in fuzz/*_fuzz.cpp; do
        n=$(basename "$f" .cpp)
        targets+=("${n%_fuzz}")
    done
fi

CC=clang CXX=clang++ CRENZEL_BUILD_DIR="$build_dir" CRENZEL_BUILD_TYPE=RelWithDebInfo bash scripts/build.sh \
    -DCRENZEL_BUILD_FUZZ=ON -DCRENZEL_SANITIZE=address,undefined,fuzzer-no-link \
    -DCRENZEL_BUILD_PLUGIN=OFF -DCRENZEL_BUILD_TESTS=OFF -DCRENZEL_BUILD_BENCH=OFF

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
TMPDIR=$(mktemp -d)
trap 'rm -rf "$TMPDIR"' EXIT
mkdir -p "$build_dir/fuzz-artifacts"

for t in "${targets[@]}"; do
    seeds="fuzz/corpus/$t"
    work="$TMPDIR/$t-corpus"
    mkdir -p "$work"
    log=$TMPDIR/$t.log
    echo "fuzz $t for ${seconds}s"
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
done
