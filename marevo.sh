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
          g++-mingw-w64-x86-64 wine64 xvfb xauth x11-apps xdotool imagemagick locales
          clang libclang-rt-14-dev)

deps() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    # Node and npm regenerate the port data in the data tests; any installed Node will do.
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then missing+=(nodejs npm); fi
    if [ ${#missing[@]} -gt 0 ]; then
        echo "installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
    # Wine takes its ANSI code page from a generated locale: 932 from the Japanese one, and
    # for the tests of other code pages 1252 from the English one and 65001 (UTF-8) from
    # the Hindi one, whose Windows locale has no ANSI code page of its own.
    local generate=0
    for name in ja_JP en_US hi_IN; do
        if ! locale -a 2>/dev/null | grep -qi "^$name.utf8$"; then
            sed -i "s/^# *$name.UTF-8 UTF-8/$name.UTF-8 UTF-8/; s/^# *$name UTF-8/$name UTF-8/" /etc/locale.gen
            grep -q "^$name[. ]" /etc/locale.gen || echo "$name.UTF-8 UTF-8" >> /etc/locale.gen
            generate=1
        fi
    done
    if [ $generate = 1 ]; then locale-gen >/dev/null; fi
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
    # Fuzz targets over their seeds and what they find in 15 seconds each (clang++, native).
    build fuzz
    fuzz/run.sh build/fuzz 15 || failed=1
    return $failed
}

# Marevo.exe under Wine: its own prefix in the build folder, a Japanese locale (code page
# 932) and the IPA Gothic faces standing in for the MS Gothic ones. Without a display it runs
# under Xvfb, saves a screenshot of the main window, prints its path and ends.
run() {
    deps
    build windows
    local bin=build/windows/app
    local wine; wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    export WINEPREFIX=$PWD/build/windows/wineprefix WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    if [ ! -f "$WINEPREFIX/.marevo-fonts" ]; then
        mkdir -p "$WINEPREFIX"
        "$wine" wineboot -i >/dev/null 2>&1 || true
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null 2>&1
        "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
        touch "$WINEPREFIX/.marevo-fonts"
    fi
    if [ -n "${DISPLAY:-}" ]; then
        (cd "$bin" && exec "$wine" Marevo.exe)
        return
    fi
    local shot=$PWD/build/windows/marevo-screenshot.png
    rm -f "$shot"
    xvfb-run -a -s '-screen 0 1024x768x24' "$PWD/$(basename "$0")" screenshot "$bin" "$wine" "$shot"
    echo "$shot"
}

# Inside Xvfb: start the program, wait for its main window, save it as a PNG, close it.
screenshot() { # bin wine png
    (cd "$1" && exec "$2" Marevo.exe) &
    local program=$! id=""
    for _ in $(seq 120); do
        id=$(xwininfo -root -tree 2>/dev/null | awk '/"Marevo": \(/ {print $1; exit}' || true)
        [ -n "$id" ] && break
        sleep 0.5
    done
    sleep 3
    # The start-up notice stays on top until it is clicked; click it away as a user would.
    local notice
    notice=$(xwininfo -root -tree 2>/dev/null | awk '/ 383x240\+/ {split($NF, p, "+"); print p[2]+190, p[3]+120; exit}')
    if [ -n "$notice" ]; then
        xdotool mousemove $notice click 1 mousemove 0 0 >/dev/null 2>&1 || true
        sleep 1
    fi
    [ -n "$id" ] && xwd -silent -id "$id" | convert xwd:- "$3"
    "$2" taskkill /IM Marevo.exe >/dev/null 2>&1 || true
    wait "$program" 2>/dev/null || true
    "$(dirname "$2")/wineserver" -k 2>/dev/null || true
    [ -f "$3" ]
}

case "${1:-}" in
    deps) deps ;;
    test) test_all ;;
    run) run ;;
    screenshot) shift; screenshot "$@" ;;
    *) sed -n '2,5p' "$0"; exit 2 ;;
esac
