#!/usr/bin/env bash
# Runs the display test's layout cases at 144 and 192 dpi. Wine takes the DPI from
# HKCU\Control Panel\Desktop LogPixels when its server starts, so each DPI has a prefix
# of its own (made once, beside the build's) and a server of its own.
set -uo pipefail
build=${1:?usage: dpi_run.sh BUILD_DIR TEST_EXE}
exe=${2:?usage: dpi_run.sh BUILD_DIR TEST_EXE}
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
source "$scripts/wine-env.sh"
rc=0
for dpi in 144 192; do
  export WINEPREFIX=$(cd "$build" && pwd)/wineprefix-dpi$dpi
  if [ ! -f "$WINEPREFIX/.glean-dpi" ]; then
    bash "$scripts/wine-prefix" || exit 1
    env -u DISPLAY wine64 reg.exe add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
    wineserver -w && touch "$WINEPREFIX/.glean-dpi"
  fi
  wineserver -p </dev/null >/dev/null 2>&1
  wine64 rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1
  echo "== $dpi dpi"
  GLEAN_EXPECT_DPI=$dpi wine64 "$exe" --gtest_color=no --gtest_filter='GleanDisplay.LaidOut*:GleanDisplay.TextSize*' || rc=1
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
done
exit $rc
