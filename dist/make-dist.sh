#!/usr/bin/env bash
# Builds the Windows programs and packs them as the program expects to find its files:
#   Marevo/Marevo.exe, Marevo/marevo-cli.exe, Marevo/dt/*.MV2, Marevo/ports.tsv (the port
#   list, beside dt\), Marevo/marevo.html and the licence of the port data, in
#   build/dist/Marevo-<version>.zip.
#   dist/make-dist.sh [build-folder]   (default: the windows preset's build/windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
if [ "$build" = build/windows ]; then
    cmake --preset windows >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target Marevo marevo-cli

version=$(sed -n 's/^project(Marevo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=build/dist/Marevo
rm -rf "$stage" "build/dist/Marevo-$version.zip"
mkdir -p "$stage/dt"
cp "$build/app/Marevo.exe" "$stage/"
cp "$build/cli/marevo-cli.exe" "$stage/"
cp resources/help/marevo.html "$stage/"
# Only port files go into dt\: the port tree lists every file found there.
find data/dt -maxdepth 1 -type f -iname '*.MV2' -exec cp {} "$stage/dt/" \;
cp data/ports.tsv "$stage/"
licences=$(find data -maxdepth 1 -type f \( -iname '*LICEN[CS]E*' -o -iname 'COPYING*' -o -iname 'README*' \))
if [ -z "$licences" ]; then
    echo "make-dist: no licence of the port data found in data/" >&2
    exit 1
fi
cp $licences "$stage/"
(cd build/dist && cmake -E tar cf "Marevo-$version.zip" --format=zip Marevo)
echo "$PWD/build/dist/Marevo-$version.zip"
