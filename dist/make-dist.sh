#!/usr/bin/env bash
# Builds the Windows programs and packs them as the program expects to find its files, in
# build/dist/Marevo-<version>.zip:
#   Marevo/Marevo.exe, Marevo/marevo-cli.exe (stripped), Marevo/dt/*.MV2, Marevo/ports.tsv,
#   Marevo/marevo.html, Marevo/README.txt (Japanese), Marevo/LICENSE.txt (the program's),
#   Marevo/DATA-LICENSE (the port data's) and Marevo/licenses/ (the runtime libraries linked
#   into the executables, as this machine's packages ship them).
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
mkdir -p "$stage/dt" "$stage/licenses"
cp "$build/app/Marevo.exe" "$build/cli/marevo-cli.exe" "$stage/"
# Whatever the build type, the archive carries no symbols or debug sections.
x86_64-w64-mingw32-strip --strip-all "$stage/Marevo.exe" "$stage/marevo-cli.exe"
cp resources/help/marevo.html "$stage/"
# Only port files go into dt\: the port tree lists every file found there. The list of the
# ports lies beside dt\, never inside it.
find data/dt -maxdepth 1 -type f -iname '*.MV2' -exec cp {} "$stage/dt/" \;
cp data/ports.tsv "$stage/"
if [ ! -f data/DATA-LICENSE ]; then
    echo "make-dist: no licence of the port data found in data/" >&2
    exit 1
fi
cp data/DATA-LICENSE "$stage/"
# Texts for Windows: CR LF line breaks.
crlf() { sed 's/\r*$/\r/' "$1" > "$2"; }
crlf dist/README.txt "$stage/README.txt"
crlf LICENSE "$stage/LICENSE.txt"
# Linked statically: GCC's runtime (libstdc++, libgcc; GPL 3 with the GCC Runtime Library
# Exception) and MinGW-w64's runtime (its CRT and winpthreads).
runtime_licences=(
    "/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright:gcc-runtime.txt"
    "/usr/share/doc/mingw-w64-x86-64-dev/copyright:mingw-w64-runtime.txt"
)
for pair in "${runtime_licences[@]}"; do
    source=${pair%%:*}
    if [ ! -f "$source" ]; then
        echo "make-dist: $source missing (the licence of a runtime linked into the programs)" >&2
        exit 1
    fi
    crlf "$source" "$stage/licenses/${pair##*:}"
done
(cd build/dist && cmake -E tar cf "Marevo-$version.zip" --format=zip Marevo)
echo "$PWD/build/dist/Marevo-$version.zip"
