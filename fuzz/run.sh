#!/usr/bin/env bash
# Runs every fuzz target over its seed corpus for a bounded time and fails on a crash.
#   fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET] [TARGET...]
# New inputs go to a scratch corpus inside BUILD_DIR, never into the committed seeds; a
# crashing input is kept as BUILD_DIR/fuzz-findings/<target>/crash-* and the script exits 1.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET] [TARGET...]}
seconds=${2:-20}
shift $(( $# >= 2 ? 2 : $# ))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$here"/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

failed=0
passed=0
for target in "${targets[@]}"; do
    exe="$build/fuzz/fuzz_$target"
    if [ ! -x "$exe" ]; then
        echo "fuzz $target: $exe not built"
        failed=1
        continue
    fi
    work="$build/fuzz-work/$target"
    findings="$build/fuzz-findings/$target"
    mkdir -p "$work" "$findings"
    log="$findings/last.log"
    args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix="$findings/")
    [ -f "$here/dict/$target.dict" ] && args+=(-dict="$here/dict/$target.dict")
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
        "$exe" "${args[@]}" "$work" "$here/corpus/$target" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -ao 'cov: [0-9]*' "$log" | tail -1)
    if [ $status -ne 0 ]; then
        echo "fuzz $target: FAILED (status $status) after ${runs:-?} runs; see $log"
        grep -a -m1 -E 'ERROR|check failed|runtime error' "$log" || true
        ls "$findings"/crash-* "$findings"/leak-* "$findings"/timeout-* 2>/dev/null | sed 's/^/  input: /'
        failed=1
    else
        echo "fuzz $target: ok, ${seconds}s, ${runs:-?} runs, ${cov:-cov: ?}"
        passed=$((passed + 1))
    fi
done
echo "fuzz: $passed passed, $(( ${#targets[@]} - passed )) failed"
exit $failed
