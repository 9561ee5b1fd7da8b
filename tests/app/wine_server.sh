#!/bin/sh
# One wine server for the window tests of a run: "wine_server.sh EMULATOR" starts the
# prefix's server to stay 10 seconds after its last program (where none runs yet) and sets
# the key that leaves the test windows unmanaged, the server and its helper programs apart
# from CTest's output. CTest waits for every process that holds a test's output; a server
# started by a test (and its helpers) held it for seconds after each test program had ended.
set -u
emulator=$1
wineserver="$(dirname "$(command -v wine64 || echo /usr/lib/wine/wine64)")/wineserver"
export WINEPREFIX="${WINEPREFIX:-$(pwd | sed 's|/tests/app$||')/wineprefix}"
mkdir -p "$WINEPREFIX"
"$wineserver" -p10 </dev/null >/dev/null 2>&1 || true # one already running serves instead
exec "$emulator" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null \
  >/dev/null 2>&1
