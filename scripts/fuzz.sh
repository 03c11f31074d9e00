#!/usr/bin/env bash
# fuzz.sh BUILD_DIR SECONDS [HARNESS...]: runs each harness of the fuzz build (all of them
# when none is named) for SECONDS, one after another, and prints executions and findings
# per harness. The corpus grows in BUILD_DIR/corpus/<harness> from the seeds in
# tests/fuzz/corpus/<harness> and the past findings; an input that crashes, hangs or runs
# out of memory is kept in BUILD_DIR/findings/ (<harness>-crash-..., -timeout-..., -oom-...).
# Extra libFuzzer flags come from FUZZ_FLAGS.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
seconds=$2
shift 2
harnesses=("$@")
if [[ ${#harnesses[@]} -eq 0 ]]; then
    for program in "$build"/fuzz/fuzz-*; do
        harnesses+=("$(basename "$program" | sed 's/^fuzz-//')")
    done
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/findings"
summary=()
for harness in "${harnesses[@]}"; do
    program=$build/fuzz/fuzz-$harness
    [[ -x $program ]] || { echo "no harness $harness in $build/fuzz" >&2; exit 2; }
    corpus=$build/corpus/$harness
    mkdir -p "$corpus"
    inputs=("$corpus" "$root/tests/fuzz/corpus/$harness")
    [[ -d $root/tests/fuzz/findings/$harness ]] && inputs+=("$root/tests/fuzz/findings/$harness")
    flags=(-max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$build/findings/$harness-")
    dictionary=$root/tests/fuzz/dictionaries/$harness.dict
    [[ -f $dictionary ]] && flags+=(-dict="$dictionary")
    log=$build/findings/$harness.log
    before=$(find "$build/findings" -name "$harness-*" -type f | sort)
    echo "== $harness: ${seconds}s"
    # shellcheck disable=SC2086 # FUZZ_FLAGS holds several flags
    "$program" "${flags[@]}" ${FUZZ_FLAGS:-} "${inputs[@]}" >"$log" 2>&1 || true
    executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    if [[ -z $executions ]]; then # fork mode: the last status line counts the runs
        executions=$(grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#' || true)
    fi
    kept=$(comm -13 <(echo "$before") <(find "$build/findings" -name "$harness-*" -type f | sort) | sed '/^$/d')
    # An input slower than libFuzzer's report limit (10 s) is kept too; on a loaded machine
    # under the sanitizers that is no hang (the timeout is), so it is listed but not counted.
    new=$(grep -v -- "-slow-unit-" <<<"$kept" || true)
    slow=$(grep -- "-slow-unit-" <<<"$kept" || true)
    line="$harness: ${executions:-0} executions, $(echo -n "$new" | grep -c '^' || true) findings"
    echo "$line"
    [[ -z $new ]] || sed 's/^/    /' <<<"$new"
    [[ -z $slow ]] || sed 's/^/    slow, not a finding: /' <<<"$slow"
    summary+=("$line")
done
echo "== summary"
printf '%s\n' "${summary[@]}"
