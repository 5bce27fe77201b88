#!/usr/bin/env bash
# Runs the libFuzzer targets (fuzz/*_fuzz.cpp), each for CRENZEL_FUZZ_SECONDS (default 45) from
# its seed corpus in fuzz/corpus/<name>, under AddressSanitizer and UndefinedBehaviorSanitizer.
# Built with Debian's clang into build-fuzz (or $CRENZEL_FUZZ_DIR).
#   scripts/fuzz.sh                 every target
#   scripts/fuzz.sh config midi     some of them
# A crash, a sanitizer report, a leak, an out-of-range control after loading or a non-finite
# output sample fails the run; the input is kept in <build>/fuzz-artifacts/. Replay one with
#   build-fuzz/crenzel_<name>_fuzz <file>
set -euo pipefail
cd "$(dirname "$0")/.."
stage_start=$(date +%s)

build_dir=${CRENZEL_FUZZ_DIR:-build-fuzz}
seconds=${CRENZEL_FUZZ_SECONDS:-45}
cc=${CRENZEL_FUZZ_CC:-clang}
cxx=${CRENZEL_FUZZ_CXX:-clang++}
if ! command -v "$cxx" >/dev/null; then
    echo "fuzz: $cxx not found (scripts/setup.sh installs clang and its runtime)" >&2
    exit 1
fi
"$cxx" --version | head -n 1

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in fuzz/*_fuzz.cpp; do
        n=$(basename "$f" .cpp)
        targets+=("${n%_fuzz}")
    done
fi

# With debug info ccache hashes the build folder too; a fresh clone would then miss every object.
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
mkdir -p "$build_dir"
CC=$cc CXX=$cxx CRENZEL_BUILD_DIR="$build_dir" CRENZEL_BUILD_TYPE=RelWithDebInfo bash scripts/build.sh \
    -DCRENZEL_BUILD_FUZZ=ON -DCRENZEL_SANITIZE=address,undefined,fuzzer-no-link \
    -DCRENZEL_BUILD_PLUGIN=OFF -DCRENZEL_BUILD_TESTS=OFF -DCRENZEL_BUILD_BENCH=OFF >"$build_dir/build.log" 2>&1 ||
    {
        tail -n 40 "$build_dir/build.log"
        exit 1
    }
echo "fuzz build: $(($(date +%s) - stage_start)) s"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1:suppressions=$PWD/fuzz/ubsan.supp}
work_root=$(mktemp -d)
trap 'rm -rf "$work_root"' EXIT
mkdir -p "$build_dir/fuzz-artifacts"

failed=0
passed=0
for t in "${targets[@]}"; do
    seeds="fuzz/corpus/$t"
    work="$work_root/$t-corpus"
    mkdir -p "$work"
    log=$work_root/$t.log
    extra=()
    case "$t" in
    state | patch) extra+=(-max_len=8192) ;;
    *) extra+=(-max_len=4096) ;;
    esac
    # The MIDI manager frees its old learn snapshots one input late, so every input looks like a
    # leak to libFuzzer's allocation count and sends it to the slow leak scan, which finds nothing
    # (run it by hand with -detect_leaks=1).
    [ "$t" = midi ] && extra+=(-detect_leaks=0)
    if "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=3072 \
        -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" "${extra[@]}" \
        "$work" "$seeds" >"$log" 2>&1; then
        runs=$(grep -Eo '^stat::number_of_executed_units: [0-9]+' "$log" | grep -Eo '[0-9]+$' || echo 0)
        echo "fuzz $t: ${runs} inputs in ${seconds} s ($((runs / seconds))/s), $(grep -Eo 'cov: [0-9]+' "$log" | tail -n 1)"
        passed=$((passed + 1))
    else
        tail -n 60 "$log"
        echo "fuzz $t FAILED; the input is in $build_dir/fuzz-artifacts/" >&2
        failed=$((failed + 1))
    fi
done
echo "fuzz stage: $(($(date +%s) - stage_start)) s"
echo "fuzz: ${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ]
