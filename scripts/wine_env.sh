# Sourced by the scripts that run Windows programs: the Wine prefix under the build folder,
# a Japanese locale, and quiet Wine. Values already set by the caller are kept.
LARKIT_ROOT=${LARKIT_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}
LARKIT_BUILD=${LARKIT_BUILD:-$LARKIT_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$LARKIT_BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
if [ -z "${WINE:-}" ]; then
    if [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64; else WINE=$(command -v wine64 || command -v wine); fi
fi
if [ -z "${WINESERVER:-}" ]; then
    if [ -x /usr/lib/wine/wineserver ]; then WINESERVER=/usr/lib/wine/wineserver; else WINESERVER=$(command -v wineserver); fi
fi
export WINE WINESERVER
