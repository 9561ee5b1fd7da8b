#!/usr/bin/env bash
# The browser's build of the engine against the native one: the high and low waters of
# several ports over a year from marevo-events built both ways must agree in every bit of
# every height (and in time and kind); and with marevo-cli's rows (time to the minute, height
# to 0.1 cm, kind).
#   events_check.sh MAREVO_EVENTS_JS MAREVO_EVENTS_NATIVE MAREVO_CLI DT_DIR
set -euo pipefail
events_js=$1 events_native=$2 cli=$3 dt=$4
from=2026-01-01 days=365
ports=(24尾鷲 13東京 01函館 01釧路 47那覇 42長崎 15新潟西港 46鹿児島)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
node "$events_js" "$dt" "$from" "$days" "${ports[@]}" > "$work/wasm.csv"
"$events_native" "$dt" "$from" "$days" "${ports[@]}" > "$work/native.csv"
for p in "${ports[@]}"; do
    # port,date,time,datetime,height_cm,kind -> port,date,time,height_cm,kind
    "$cli" extremes --port "$p" --from "$from" --days "$days" --csv --dt "$dt" |
        tail -n +2 | cut -d, -f1,2,3,5,6
done > "$work/cli.csv"
rows=$(wc -l < "$work/native.csv")
failed=0
if [ "$rows" -lt $(( ${#ports[@]} * days * 3 )) ]; then
    echo "events_check: only $rows native rows" >&2
    failed=1
fi
if ! cut -d, -f1-5 "$work/native.csv" | diff -q "$work/cli.csv" - >/dev/null; then
    echo "events_check: marevo-events (native) and marevo-cli disagree:" >&2
    cut -d, -f1-5 "$work/native.csv" | diff "$work/cli.csv" - | head -10 >&2
    failed=1
fi
if ! diff -q "$work/native.csv" "$work/wasm.csv" >/dev/null; then
    shown=$(cut -d, -f1-5 "$work/native.csv" | diff - <(cut -d, -f1-5 "$work/wasm.csv") | grep -c '^<' || true)
    echo "events_check: the browser's build differs from the native one in" \
         "$(diff "$work/native.csv" "$work/wasm.csv" | grep -c '^<' || true) of $rows heights" \
         "($shown as shown: minute or 0.1 cm):" >&2
    diff "$work/native.csv" "$work/wasm.csv" | head -10 >&2
    failed=1
fi
[ $failed = 0 ] && echo "events_check: $rows events of ${#ports[@]} ports over $days days identical to the bit"
exit $failed
