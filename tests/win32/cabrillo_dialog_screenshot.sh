#!/usr/bin/env bash
# Takes a picture of the Cabrillo header dialog as the Windows test opens it, for a person to
# look at: <build>/cabrillo_dialog.png (not committed). Needs xvfb-run, xwd and convert.
# Usage: tests/win32/cabrillo_dialog_screenshot.sh [build/mingw-x86_64]
set -euo pipefail
build=$(realpath "${1:-build/mingw-x86_64}")
log=$(mktemp)
# Without a window manager wine draws the caption itself only when told so; undone at the end.
x11_key='HKCU\Software\Wine\X11 Driver'
wine_reg() {
  WINEPREFIX="$build/wineprefix" WINEDEBUG=-all /usr/lib/wine/wine64 reg "$@" >/dev/null 2>&1
  WINEPREFIX="$build/wineprefix" /usr/lib/wine/wineserver -w  # the test needs a fresh session
}
wine_reg add "$x11_key" /v Decorated /d N /f
trap 'rm -f "$log"; wine_reg delete "$x11_key" /v Decorated /f' EXIT
export build log
xvfb-run -a bash -c '
  (cd "$build/bin" && CABRILLO_DIALOG_HOLD_MS=5000 WINEPREFIX="$build/wineprefix" WINEDEBUG=-all \
     /usr/lib/wine/wine64 win32_tests.exe \
     --gtest_filter=CabrilloDialogWin32.OpensAsTheTemplateDescribesWithTheLoadedValues \
     >"$log" 2>&1) &
  geometry=
  for _ in $(seq 150); do
    geometry=$(grep -o "dialog at [0-9x+-]*" "$log" | cut -d" " -f3 || true)
    [ -n "$geometry" ] && break
    sleep 0.2
  done
  [ -n "$geometry" ] || { cat "$log"; exit 1; }
  sleep 1
  xwd -root -silent | convert xwd:- -crop "$geometry" +repage "$build/cabrillo_dialog.png"
  wait
'
grep -E "PASSED|FAILED" "$log" || true
echo "picture: $build/cabrillo_dialog.png"
