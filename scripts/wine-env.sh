# Sourced by the scripts: the Wine environment Glean's Windows build runs in.
# WINEPREFIX defaults to the prefix of the Windows build directory.
GLEAN_ROOT=${GLEAN_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export PATH=/usr/lib/wine:$PATH
export WINEARCH=win64
export WINEPREFIX=${WINEPREFIX:-$GLEAN_ROOT/build/win/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all,err+module}
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d;winedbg.exe=d"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
