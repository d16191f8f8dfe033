#!/bin/sh
# Starts larkit in the demo folder (build/demo, holding a copy of demo/list.dat). With a
# display it runs until closed; on the private display of a headless machine it takes a
# screenshot, prints its path and exits the program. Run through with_wine.sh.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
EXE="$ROOT/build/win/larkit.exe"
CTL="$ROOT/build/win/larkit_ctl.exe"
DEMO="$ROOT/build/demo"
mkdir -p "$DEMO"
if [ ! -f "$DEMO/list.dat" ]; then
    cp "$ROOT/demo/list.dat" "$DEMO/list.dat"
    # A first start that opens the tree at an entry two levels down.
    "$WINE" reg add 'HKCU\Software\Quorvane\larkit' /v CurSelect /t REG_DWORD /d 2 /f >/dev/null 2>&1
fi
# "使い方" opens larkit.htm in the program directory.
cp "$ROOT/release/larkit.htm" "$DEMO/larkit.htm"
cd "$DEMO"

if [ -z "${LARKIT_HEADLESS:-}" ]; then
    "$WINE" "$EXE"
    exit 0
fi

"$WINE" "$EXE" &
PROGRAM=$!
"$WINE" "$CTL" wait 20000
sleep 2
SHOT="$ROOT/build/screenshot.png"
xwd -root -silent | convert xwd:- -crop 420x680+0+0 "png:$SHOT"
echo "screenshot: $SHOT"
"$WINE" "$CTL" post 40012
wait "$PROGRAM"
echo "larkit exited; the demo list is in $DEMO"
