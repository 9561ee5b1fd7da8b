#!/usr/bin/env bash
# Marevo's one entry point on a Debian 12 machine.
#   ./marevo.sh run    build and start the program (under Wine on Linux)
#   ./marevo.sh test   build the native, sanitised and Windows presets and run every test
#   ./marevo.sh deps   install what a fresh machine lacks (apt-get; run as root)
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

packages=(cmake g++ make googletest libgtest-dev libbenchmark-dev pkg-config
          libcairo2-dev libpango1.0-dev fonts-ipafont-gothic
          g++-mingw-w64-x86-64 wine64 xvfb xauth x11-apps imagemagick locales)

deps() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
    # Wine takes its ANSI code page (932) from a generated Japanese locale.
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
        sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
        locale-gen >/dev/null
    fi
}

build() { # preset
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
}

test_all() {
    deps
    local failed=0
    build native
    ctest --preset native -j "$jobs" || failed=1
    build asan
    ctest --preset asan -j "$jobs" || failed=1
    build windows
    # Windows executables run under Wine; windows and GDI want a display.
    xvfb-run -a -s '-screen 0 1024x768x24' ctest --preset windows -j "$jobs" || failed=1
    return $failed
}

run() {
    deps
    build native
    ./build/native/cli/marevo-cli extremes --dt data/dt --port 24尾鷲
}

case "${1:-}" in
    deps) deps ;;
    test) test_all ;;
    run) run ;;
    *) sed -n '2,5p' "$0"; exit 2 ;;
esac
