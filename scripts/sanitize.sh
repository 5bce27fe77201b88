#!/usr/bin/env bash
# Sanitizer runs of the test suite, each in its own build folder:
#   scripts/sanitize.sh asan   AddressSanitizer + UndefinedBehaviorSanitizer, whole suite (build-asan)
#   scripts/sanitize.sh tsan   ThreadSanitizer, the concurrency tests (build-tsan)
# Extra arguments go to crenzel_tests (e.g. --gtest_filter=...).
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-asan}
shift || true
common=(-DCRENZEL_BUILD_PLUGIN=OFF -DCRENZEL_BUILD_BENCH=OFF -DCRENZEL_BUILD_TESTS=ON
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g")

case "$mode" in
asan)
    build_dir=${CRENZEL_ASAN_DIR:-build-asan}
    # Set before the build too: the test discovery step runs the instrumented binary.
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
    CRENZEL_BUILD_DIR="$build_dir" CRENZEL_BUILD_TYPE=RelWithDebInfo bash scripts/build.sh "${common[@]}" \
        -DCRENZEL_SANITIZE=address,undefined
    "$build_dir/crenzel_tests" --gtest_brief=1 "$@"
    ;;
tsan)
    build_dir=${CRENZEL_TSAN_DIR:-build-tsan}
    export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/.ci/tsan.supp}
    CRENZEL_BUILD_DIR="$build_dir" CRENZEL_BUILD_TYPE=RelWithDebInfo bash scripts/build.sh "${common[@]}" \
        -DCRENZEL_SANITIZE=thread
    # The stress test renders this many seconds of audio; the check asks for at least 20.
    export CRENZEL_STRESS_SECONDS=${CRENZEL_STRESS_SECONDS:-20}
    filter='ConcurrencyStress.*:ControlChangeThreads.*:*WhileOtherThreads*:MidiManagerConcurrencyTest.*'
    "$build_dir/crenzel_tests" --gtest_brief=1 --gtest_filter="$filter" "$@"
    ;;
*)
    echo "usage: $0 asan|tsan [test arguments]" >&2
    exit 2
    ;;
esac
