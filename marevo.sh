#!/usr/bin/env bash
# Marevo's one entry point on a Debian 12 machine.
#   ./marevo.sh run    build and start the program (under Wine on Linux)
#   ./marevo.sh test   build the native, sanitised and Windows presets and run every test
#   ./marevo.sh deps   install what a fresh machine lacks (apt-get; run as root)
#   ./marevo.sh web    build the page into build/web and serve it on http://127.0.0.1:8080/
#                      (web --build: only build)
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

packages=(cmake g++ make googletest libgtest-dev libbenchmark-dev pkg-config
          libcairo2-dev libpango1.0-dev fonts-ipafont-gothic
          g++-mingw-w64-x86-64 wine64 xvfb xauth x11-apps x11-utils xdotool imagemagick openbox
          locales clang libclang-rt-14-dev binutils-mingw-w64-x86-64 libeigen3-dev python3
          python3-icalendar hyperfine emscripten node-acorn chromium libmpfr-dev)
# Emscripten's JavaScript optimiser needs acorn from Debian's node-acorn, which a node that is
# not Debian's own finds only through NODE_PATH.
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs

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
    # puppeteer-core for the browser tests, in their own folder, without a browser of its
    # own (the tests drive Debian's chromium).
    if [ ! -d tests/web/node_modules/puppeteer-core ]; then
        (cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund >/dev/null)
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
    # A Wine start can fail at once, silently, while another test brings the shared prefix's
    # server up; such a test is run once more (a real failure fails twice).
    xvfb-run -a -s '-screen 0 1024x768x24' ctest --preset windows -j "$jobs" --repeat until-pass:2 || failed=1
    # The native and the Windows marevo-cli print the same bytes: the high and low waters of
    # every port over 2026 and 2027, and day over 2026 at ports north, south, east and west.
    tools/compare_builds.sh build/native build/windows || failed=1
    # Fuzz targets over their seeds and what they find in 15 seconds each (clang++, native).
    build fuzz
    fuzz/run.sh build/fuzz 15 || failed=1
    # The browser's build: its engine against the native one, then the page in headless
    # Chromium against marevo-cli, offline included.
    build web
    tests/web/events_check.sh build/wasm/web/marevo-events.js \
        build/native/tests/web/marevo-events-native build/native/cli/marevo-cli data/dt || failed=1
    # ... and every port's events over 2026 of the browser's build equal the native ones.
    tools/compare_builds.sh --web build/native build/wasm || failed=1
    node tests/web/browser_test.mjs build/web build/native/cli/marevo-cli data/dt \
        build/web-screenshots || failed=1
    return $failed
}

# The page: built into build/web (a static folder any web server can serve) and served on
# 127.0.0.1:8080 until interrupted. Without a display, a headless Chromium first saves a
# screenshot of the page and its path is printed.
web() { # [--build]
    deps
    build web
    [ "${1:-}" = "--build" ] && return
    local address=http://127.0.0.1:8080/
    python3 -m http.server 8080 --bind 127.0.0.1 --directory build/web >/dev/null 2>&1 &
    local server=$!
    trap "kill $server 2>/dev/null || true" EXIT INT TERM
    for _ in $(seq 50); do
        python3 -c "import urllib.request; urllib.request.urlopen('$address')" 2>/dev/null && break
        sleep 0.1
    done
    echo "$address"
    if [ -z "${DISPLAY:-}" ]; then
        local shot=$PWD/build/web-screenshot.png
        rm -f "$shot"
        chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars \
            --window-size=1280,900 --virtual-time-budget=10000 --screenshot="$shot" \
            "${address}?port=24%E5%B0%BE%E9%B7%B2&date=2026-12-08&view=1" >/dev/null 2>&1 || true
        [ -f "$shot" ] && echo "$shot"
    fi
    wait $server
}

# Marevo.exe under Wine: its own prefix in the build folder, a Japanese locale (code page
# 932) and the IPA Gothic faces standing in for the Japanese faces of Windows: ＭＳ ゴシック
# and ＭＳ Ｐゴシック that the program asks for, and MS UI Gothic and MS Shell Dlg of menus,
# tooltips and dialogs (which else fall back to a thin bitmap face). Without a display it runs
# under Xvfb with a window manager, saves a screenshot of the main window, prints its path
# and ends.
run() {
    deps
    build windows
    local bin=build/windows/app
    local wine; wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    export WINEPREFIX=$PWD/build/windows/wineprefix WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    if [ ! -f "$WINEPREFIX/.marevo-fonts-2" ]; then
        mkdir -p "$WINEPREFIX"
        [ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1 || true
        local key='HKCU\Software\Wine\Fonts\Replacements' face
        "$wine" reg add "$key" /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1
        for face in 'ＭＳ Ｐゴシック' 'MS UI Gothic' 'MS Shell Dlg' 'MS Shell Dlg 2'; do
            "$wine" reg add "$key" /v "$face" /d IPAPGothic /f >/dev/null 2>&1
        done
        # Menus, captions and message boxes in MS UI Gothic (so IPA P Gothic), 12 pixels, the
        # Japanese character set: a LOGFONTW, as Windows keeps it.
        local logfont
        logfont=$(printf 'f4ffffff000000000000000000000000900100000000008000000000'
                  printf '%s' 'MS UI Gothic' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n'
                  printf '0%.0s' $(seq $(( (32 - 12) * 4 ))))
        for face in CaptionFont SmCaptionFont MenuFont MessageFont StatusFont IconFont; do
            "$wine" reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v "$face" /t REG_BINARY \
                /d "$logfont" /f >/dev/null 2>&1
        done
        "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
        touch "$WINEPREFIX/.marevo-fonts-2"
    fi
    # Windows framed by the window manager (the window tests leave them unmanaged).
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1 || true
    if [ -n "${DISPLAY:-}" ]; then
        (cd "$bin" && exec "$wine" Marevo.exe)
        return
    fi
    local shot=$PWD/build/windows/marevo-screenshot.png
    rm -f "$shot"
    xvfb-run -a -s '-screen 0 1024x768x24' "$PWD/$(basename "$0")" screenshot "$bin" "$wine" "$shot"
    echo "$shot"
}

# Inside Xvfb: start a window manager and the program, wait until the main window and the
# start-up notice above it have painted, and save the screen as the X server shows it
# (`import -window root`: xwd blacks out a pop-up lying inside a Wine window), cut to the
# main window with its frame; then close the program. Nothing is clicked.
screenshot() { # bin wine png
    local manager=""
    if command -v openbox >/dev/null; then
        openbox >/dev/null 2>&1 &
        manager=$!
        sleep 1
    fi
    (cd "$1" && exec "$2" Marevo.exe) &
    local program=$! window="" notice=""
    for _ in $(seq 120); do
        window=$(xwininfo -root -tree 2>/dev/null | awk '/"Marevo": \(/ {print $1, $(NF-1), $NF; exit}' || true)
        notice=$(xwininfo -root -tree 2>/dev/null | awk '/ 383x240\+/ {print $1; exit}' || true)
        [ -n "$window" ] && [ -n "$notice" ] && break
        sleep 0.5
    done
    sleep 3
    if [ -n "$window" ]; then
        # id, size (WxH+x+y within its parent), absolute position (+X+Y); the window manager's
        # frame (left, right, top, bottom) lies around it.
        local id size position l=0 r=0 t=0 b=0
        read -r id size position <<<"$window"
        read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null |
                            sed -n 's/.*= *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\)/\1 \2 \3 \4/p') || true
        local w=${size%%x*} rest=${size#*x} h x y
        h=${rest%%[+-]*}
        position=${position#+}
        x=${position%%+*}
        y=${position#*+}
        import -silent -window root \
            -crop "$((w + ${l:-0} + ${r:-0}))x$((h + ${t:-0} + ${b:-0}))+$((x - ${l:-0}))+$((y - ${t:-0}))" \
            +repage "$3"
    fi
    "$2" taskkill /IM Marevo.exe >/dev/null 2>&1 || true
    wait "$program" 2>/dev/null || true
    "$(dirname "$2")/wineserver" -k 2>/dev/null || true
    [ -n "$manager" ] && kill "$manager" 2>/dev/null || true
    [ -f "$3" ]
}

case "${1:-}" in
    deps) deps ;;
    test) test_all ;;
    run) run ;;
    web) shift; web "$@" ;;
    screenshot) shift; screenshot "$@" ;;
    *) sed -n '2,5p' "$0"; exit 2 ;;
esac
