#!/usr/bin/env bash
# CPU budget: callgrind's instruction count for rendering 10 s at 48 kHz, default and heavy patch,
# blocks of 64 and 512, against bench/cpu-budget.txt. Fails if a count is over its budget.
# Wall-clock figures are printed for information only: the machine is shared.
#   scripts/cpu-budget.sh                 check (release build in $CRENZEL_BUILD_DIR, default build/)
#   scripts/cpu-budget.sh --update [PCT]  rewrite the budget file from today's counts + PCT % (15)
# CRENZEL_CPU_BUDGET_RUNS=N counts every case N times and prints the spread.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${CRENZEL_BUILD_DIR:-build}
budget_file=bench/cpu-budget.txt
runs=${CRENZEL_CPU_BUDGET_RUNS:-1}
cases=("default 64" "default 512" "heavy 64" "heavy 512")
update=0
headroom=15
if [[ ${1:-} == --update ]]; then
    update=1
    headroom=${2:-15}
fi

export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
if [[ ! -f $build_dir/CMakeCache.txt ]]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
# The budget holds for optimised code without instrumentation only.
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
sanitize=$(sed -n 's/^CRENZEL_SANITIZE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
if [[ $build_type != Release || -n $sanitize ]]; then
    echo "cpu-budget: $build_dir is a '$build_type' build with sanitizers '$sanitize'; needs a plain Release build" >&2
    exit 2
fi
cmake --build "$build_dir" -j "${CRENZEL_JOBS:-2}" --target crenzel-cpubudget
tool=$build_dir/tools/crenzel-cpubudget/crenzel-cpubudget
out_dir=$build_dir/cpu-budget
mkdir -p "$out_dir"

declare -A budget
if [[ $update == 0 ]]; then
    while read -r name block limit _; do
        [[ -z $name || $name == \#* ]] && continue
        budget["$name $block"]=$limit
    done <"$budget_file"
fi

# Prints the count of one run under callgrind; only the rendering loop is instrumented. Its
# output file stays in $out_dir for callgrind_annotate.
count() {
    local name=$1 block=$2 log=$out_dir/callgrind.$1.$2.log
    valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$out_dir/callgrind.$name.$block.out" \
        "$tool" "$name" "$block" >"$out_dir/render.$name.$block.txt" 2>"$log" || {
        cat "$log" >&2
        return 1
    }
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p' "$log"
}

field() { grep -o " $1=[^ ]*" | cut -d= -f2; }

fail=0
worst=0
declare -A measured
printf '%-8s %5s %14s %14s %7s %9s %10s  %s\n' case block instructions budget ratio spread wall_ms realtime
for c in "${cases[@]}"; do
    read -r name block <<<"$c"
    counts=()
    for ((r = 0; r < runs; ++r)); do
        n=$(count "$name" "$block")
        [[ -n $n ]] || { echo "cpu-budget: no count for $c" >&2; exit 1; }
        counts+=("$n")
    done
    lo=$(printf '%s\n' "${counts[@]}" | sort -n | head -n1)
    hi=$(printf '%s\n' "${counts[@]}" | sort -n | tail -n1)
    measured[$c]=$hi
    ((hi - lo > worst)) && worst=$((hi - lo))
    # The counted code must be the code a real machine runs: the processor's own feature
    # check has to read the same under valgrind's emulated processor.
    native=$("$tool" "$name" "$block" 10 3)
    if [[ $(field cpu_sse <<<"$native") != $(field cpu_sse <"$out_dir/render.$name.$block.txt") ]]; then
        echo "cpu-budget: valgrind reports other processor features than the machine ($c)" >&2
        fail=1
    fi
    spread=$(awk -v a="$lo" -v b="$hi" 'BEGIN { printf "%.3f%%", 100 * (b - a) / a }')
    limit=${budget[$c]:-}
    if [[ $update == 1 ]]; then
        ratio=-
        limit=-
    elif [[ -z $limit ]]; then
        echo "cpu-budget: no budget for '$c' in $budget_file" >&2
        fail=1
        ratio=-
        limit=-
    else
        ratio=$(awk -v a="$hi" -v b="$limit" 'BEGIN { printf "%.3f", a / b }')
        ((hi <= limit)) || fail=1
    fi
    printf '%-8s %5s %14s %14s %7s %9s %10.1f  %sx\n' "$name" "$block" "$hi" "$limit" "$ratio" "$spread" \
        "$(field wall_ms <<<"$native")" "$(field realtime <<<"$native" | tr -d x)"
done

if [[ $update == 1 ]]; then
    {
        echo "# CPU budget: callgrind instruction counts (Ir) for rendering 10 s of the fixed stereo input"
        echo "# at 48 kHz through PluginProcessor::processBlock (tools/crenzel-cpubudget), checked by"
        echo "# scripts/cpu-budget.sh. Each budget is the count measured on $(date -u +%Y-%m-%d) plus $headroom % headroom;"
        echo "# Largest spread over $runs run(s) per case: $worst instructions. Counts depend on the compiler"
        echo "# and glibc (valgrind's processor lacks AVX-512, so glibc's memcpy/memset take their AVX2"
        echo "# variants, ~1 % of the count; libm takes the same FMA variants as the machine). After changing"
        echo "# either, or after deliberate DSP work, re-measure with"
        echo "# CRENZEL_CPU_BUDGET_RUNS=3 scripts/cpu-budget.sh --update."
        echo "# case  block  budget  measured"
        for c in "${cases[@]}"; do
            m=${measured[$c]}
            printf '%-8s %5s %12s %12s\n' ${c} "$(awk -v m="$m" -v h="$headroom" \
                'BEGIN { printf "%d", int(m * (1 + h / 100) / 1e5 + 1) * 1e5 }')" "$m"
        done
    } >"$budget_file"
    echo "cpu-budget: wrote $budget_file"
    exit 0
fi
if ((fail)); then
    echo "cpu-budget: FAILED (instruction counts over budget; wall-clock is not checked)" >&2
    exit 1
fi
echo "cpu-budget: all counts within budget"
