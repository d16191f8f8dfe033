#!/bin/sh
# One scaling's pictures (run by screenshots.sh inside with_wine.sh, with LARKIT_SCREEN set).
# Usage: take_screenshots.sh SCALE
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SCALE=$1
EXE="$ROOT/build/win/larkit.exe"
CTL="$ROOT/build/win/larkit_ctl.exe"
DEMO="$ROOT/build/shots/demo-$SCALE"
DOCS="$ROOT/docs"
SETTINGS='HKCU\Software\Quorvane\larkit'
SCREEN_W=${LARKIT_SCREEN%x*}
SCREEN_H=${LARKIT_SCREEN#*x}
px() { echo $(( $1 * SCALE / 100 )); }   # a length at this scaling

setting() { "$WINE" reg add "$SETTINGS" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1; }

PROGRAM=""
trap '[ -n "$PROGRAM" ] && kill "$PROGRAM" 2>/dev/null || true' EXIT

start() {
    (cd "$DEMO" && exec "$WINE" "$EXE") &
    PROGRAM=$!
    "$WINE" "$CTL" wait 20000
    sleep 2
}

stop() {
    "$WINE" "$CTL" post 40012
    "$WINE" "$CTL" gone 20000
    wait "$PROGRAM" || true
    PROGRAM=""
}

# Prints "left top width height" of the smallest rectangle holding the given rectangles,
# widened by a margin and kept on the screen.
union() {
    echo "$@" | awk -v m="$(px 16)" -v sw="$SCREEN_W" '
        { l = 1e9; t = 1e9; r = -1e9; b = -1e9
          for (i = 1; i <= NF; i += 4) {
              if ($i < l) l = $i; if ($(i+1) < t) t = $(i+1)
              if ($i + $(i+2) > r) r = $i + $(i+2); if ($(i+1) + $(i+3) > b) b = $(i+1) + $(i+3) }
          l -= m; t -= m; r += m; b += m
          if (l < 0) l = 0; if (t < 0) t = 0; if (r > sw) r = sw
          printf "%dx%d+%d+%d\n", r - l, b - t, l, t }'
}

shoot() {   # NAME GEOMETRY
    xwd -root -silent | convert xwd:- -crop "$2" +repage -define png:exclude-chunks=date,time "png:$DOCS/$1-$SCALE.png"
    echo "docs/$1-$SCALE.png"
}

rect() { r=$("$WINE" "$CTL" rect "$1") || return 1; echo "$r" | tr -d '\r'; }

rm -rf "$DEMO"
mkdir -p "$DEMO" "$DOCS"
cp "$ROOT/demo/list.dat" "$ROOT/release/larkit.htm" "$DEMO/"

# Floating, the tree opened at an entry two levels down.
"$WINE" reg delete "$SETTINGS" /f >/dev/null 2>&1 || true
setting FloatMode 1
setting TopMode 1
setting HideMode 1
setting HideTime 200
setting AskFlg 1
setting SortFlg 1
setting X "$(px 40)"
setting Y "$(px 40)"
setting Width "$(px 240)"
setting Height "$(px 480)"
setting CurSelect 2
start

shoot floating "$(union $(rect main))"

# The context menu of a URL entry ("エディタ", the sixth visible row; its four folder-only
# items are grey).
"$WINE" "$CTL" rclick 5
sleep 1
shoot menu "$(union $(rect main) $(rect menu))"
"$WINE" "$CTL" key 27   # Esc closes the menu
sleep 1

# The settings dialog.
"$WINE" "$CTL" post 40035
sleep 2
if dialog=$(rect dialog); then
    shoot settings "$(union $dialog)"
    "$WINE" "$CTL" key 27
    sleep 1
else
    echo "no settings dialog opened; no picture of it" >&2
fi
stop

# Docked at the left edge, always shown: the full height of the screen.
setting FloatMode 0
setting AppBarMode 0
setting HideMode 0
setting dt_width "$(px 220)"
start
shoot docked "$(px 520)x$SCREEN_H+0+0"
stop
