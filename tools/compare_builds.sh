#!/usr/bin/env bash
# The native and the Windows marevo-cli (under Wine) print the same bytes: the high and low
# waters of every shipped port over whole years, and the one-day texts and JSON over a year
# at ports north and south, east and west. Windows writes CRLF line ends, taken off before
# the comparison; everything else must be equal byte for byte.
#   tools/compare_builds.sh [NATIVE_BUILD [WINDOWS_BUILD]]   (defaults build/native, build/windows)
# With --web, the browser's build instead: the engine's events of every shipped port over the
# first year from marevo-events (WebAssembly, under Node) and marevo-events-native, every
# height to the bit:
#   tools/compare_builds.sh --web NATIVE_BUILD WASM_BUILD
# MAREVO_COMPARE_YEARS lists the years (default 2026 2027). Exit 1 on any difference, with the
# first differing lines.
set -euo pipefail
cd "$(dirname "$0")/.."
years=${MAREVO_COMPARE_YEARS:-2026 2027}

if [ "${1:-}" = --web ]; then
    events_native=$(cd "$2" && pwd)/tests/web/marevo-events-native
    events_js=$(cd "$3" && pwd)/web/marevo-events.js
    ports=()
    for f in data/dt/*.MV2; do f=${f##*/}; ports+=("${f%.MV2}"); done
    year=${years%% *}
    out=$(mktemp -d)
    trap 'rm -rf "$out"' EXIT
    "$events_native" data/dt "$year-01-01" 365 "${ports[@]}" > "$out/native"
    node "$events_js" data/dt "$year-01-01" 365 "${ports[@]}" > "$out/wasm"
    if [ -s "$out/native" ] && cmp -s "$out/native" "$out/wasm"; then
        echo "compare_builds: the browser's $(wc -l < "$out/native") events of ${#ports[@]} ports in $year are the native ones to the bit"
        exit 0
    fi
    echo "compare_builds: the browser's events of $year differ from the native ones (native <):"
    diff "$out/native" "$out/wasm" | head -20 || true
    exit 1
fi
native_build=$(cd "${1:-build/native}" && pwd)
windows_build=$(cd "${2:-build/windows}" && pwd)
native=$native_build/cli/marevo-cli
windows=$windows_build/cli/marevo-cli.exe
for exe in "$native" "$windows"; do
    [ -x "$exe" ] || { echo "compare_builds: $exe is missing" >&2; exit 1; }
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0 compared=0

# compare NAME ARGS...: one command of both builds; their outputs must be equal.
compare() {
    local name=$1; shift
    compared=$((compared + 1))
    if ! "$native" "$@" > "$out/native" ||
       ! MAREVO_WINE_BUILD=$windows_build cmake/wine-run.sh "$windows" "$@" > "$out/windows.crlf"; then
        echo "FAILED: $name (a build ended with an error)"
        failed=$((failed + 1))
        return
    fi
    tr -d '\r' < "$out/windows.crlf" > "$out/windows"
    if cmp -s "$out/native" "$out/windows"; then
        echo "same: $name ($(wc -l < "$out/native") lines)"
    else
        echo "DIFFERENT: $name (native <, Windows >)"
        diff "$out/native" "$out/windows" | head -20 || true
        failed=$((failed + 1))
    fi
}

for year in $years; do
    compare "extremes --all $year" extremes --all --dt data/dt --from "$year-01-01" --to "$year-12-31" --csv
done
# North, south, east and west: 稚内 45N, 与那国 123E, 石垣 24N, 南鳥島 154E (zone UT+10).
year=${years%% *}
for port in 01稚内 47与那国 47石垣 13南鳥島 01根室; do
    compare "day $port $year" day --dt data/dt --port "$port" --from "$year-01-01" --to "$year-12-31"
done
compare "day 13南鳥島 $year JSON" day --dt data/dt --port 13南鳥島 --from "$year-01-01" --to "$year-12-31" --json

echo "compare_builds: $((compared - failed)) of $compared outputs the same"
[ "$failed" -eq 0 ]
