    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
#    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
!    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
v    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
#    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
w    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
(    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
)    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
#    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
(    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
4    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
5    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
)    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
v    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
(    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
#    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
)    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
;    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Y    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
y    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
(    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
)    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
:    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
:    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
4    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
5    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
x    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
:    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
X    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
X    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
X    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
X    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
:    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
+    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
+    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Y    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
W    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
\    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
G    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
H    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
\    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
,    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
,    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
k    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
\    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
M    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
K    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
X    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
X    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
G    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
W    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
H    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
M    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
K    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
G    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
W    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
H    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
[    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
C    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
F    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
L    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
Y    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
:    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
]    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
&    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
&    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
x    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
(    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
@    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
)    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
[    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
#    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
[    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
@    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
]    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
q    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
]    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
;    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
*    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
;    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
+    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
(    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
(    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
)    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
)    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
;    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
x    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
:    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
k    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
:    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
x    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
B    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
O    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
:    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
:    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
k    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
#    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
,    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
v    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
w    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
x    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
M    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
(    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
k    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
)    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
'    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
M    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
'    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
X    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
[    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
@    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
]    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
;    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
#    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
N    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
w    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
y    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
.    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
w    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
k    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
M    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
D    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
R    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
k    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
w    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
k    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
x    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
x    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
4    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
9    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
6    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
m    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
3    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
7    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
2    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
\    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
p    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
x    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
b    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
_    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
/    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
w    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
k    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
2    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
>    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
&    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
|    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
2    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
5    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
=    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
I    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
P    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
E    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
A    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
T    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
U    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
S    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
[    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
]    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
[    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
-    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
q    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
0    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
]    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
|    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
|    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
{    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
c    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
h    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
z    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
r    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
g    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
f    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
l    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
(    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
$    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
a    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
u    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
s    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
)    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
"    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
>    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
&    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
2    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
;    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
x    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
i    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
t    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
1    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
;    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
     log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
}    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
d    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
o    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
n    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
e    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"

    log=$TMPDIR/$t.log
    if ! "$build_dir/crenzel_${t}_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-artifacts/$t-" \
        "$work" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz target $t failed; the input is in $build_dir/fuzz-artifacts/" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$log" || tail -n 3 "$log"
