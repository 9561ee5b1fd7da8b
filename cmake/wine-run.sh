#!/usr/bin/env bash
# Runs a Windows executable under Wine with the project's own prefix and a Japanese locale
# (ANSI code page 932). Used by CTest as the cross-compiling emulator. MAREVO_WINE_LANG names
# another locale for the tests of other code pages: en_US.UTF-8 gives 1252 and hi_IN.UTF-8
# gives 65001 (UTF-8) under Wine 8.
set -eu
exe=$1; shift
build=${MAREVO_WINE_BUILD:-$(cd "$(dirname "$exe")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done; pwd)}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
lang=${MAREVO_WINE_LANG:-ja_JP.UTF-8}
export LANG=$lang LC_ALL=$lang
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
# Parallel tests share one prefix: the first creates it, the others wait on the lock.
mkdir -p "$WINEPREFIX"
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i >/dev/null 2>&1 || true
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
  fi
) 9>"$WINEPREFIX/.init.lock"
exec "$wine" "$exe" "$@"
