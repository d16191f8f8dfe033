#!/bin/sh
# Takes the README's pictures into docs/: the floating window with a tooltip, a context menu,
# the settings dialog and the docked bar, at 100 % and at 150 % scaling. Each scaling has its
# own Wine prefix under build/shots (150 %: LogPixels 144) and its own Xvfb display.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine_env.sh"
export LARKIT_XVFB=1

for scale in 100 150; do
    case $scale in
        100) dpi=96;  screen=1024x768 ;;
        150) dpi=144; screen=1536x1152 ;;
    esac
    export WINEPREFIX="$ROOT/build/shots/wine-$scale" LARKIT_SCREEN=$screen
    # Scaling and the desktop size are read when Wine's desktop starts: set them in a session
    # of their own.
    sh "$ROOT/scripts/with_wine.sh" sh -c '
        "$WINE" reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d '"$dpi"' /f
        "$WINE" reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /d '"$screen"' /f' >/dev/null 2>&1
    sh "$ROOT/scripts/with_wine.sh" sh "$ROOT/scripts/take_screenshots.sh" "$scale"
done
ls -l "$ROOT"/docs/*.png
