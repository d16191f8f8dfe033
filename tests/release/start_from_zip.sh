#!/bin/sh
# The release as a user gets it: unpacked into a fresh folder, larkit.exe started there and ended
# as another program would (IDM_EXIT posted); the list, its backup and the settings written.
# Usage (inside with_wine.sh, as ctest runs it): start_from_zip.sh ZIP LARKIT_CTL.EXE
set -eu
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/scripts/wine_env.sh"
SETTINGS='HKCU\Software\Quorvane\larkit'
WORK=$(mktemp -d)
PROGRAM=""
trap '[ -n "$PROGRAM" ] && kill "$PROGRAM" 2>/dev/null; "$WINE" reg delete "$SETTINGS" /f >/dev/null 2>&1; rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

python3 - "$1" "$WORK" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    names = sorted(z.namelist())
    if not names[0].startswith('larkit-') or names != [names[0] + n for n in ('', 'larkit.exe', 'larkit.htm', 'list.dat', 'readme.txt')]:
        sys.exit('unexpected zip contents: %s' % names)
    z.extractall(sys.argv[2])
PY
DIR=$(echo "$WORK"/larkit-*)
cmp -s "$DIR/list.dat" "$ROOT/demo/list.dat" || fail "the zip's list.dat is not the sample list"
grep -q '<meta charset="utf-8">' "$DIR/larkit.htm" || fail "the help page does not name its encoding"
"$WINE" reg delete "$SETTINGS" /f >/dev/null 2>&1 || true   # a first start
(cd "$DIR" && exec "$WINE" larkit.exe) &
PROGRAM=$!
"$WINE" "$2" wait 20000 || fail "no larkit window appeared"
"$WINE" "$2" post 40012 || fail "could not post IDM_EXIT"
"$WINE" "$2" gone 20000 || fail "larkit did not close within 20 s"
wait "$PROGRAM" || fail "larkit exited with $?"
PROGRAM=""
cmp -s "$DIR/list.dat" "$ROOT/demo/list.dat" || fail "list.dat changed on its way through the program"
cmp -s "$DIR/_backup.dat" "$DIR/list.dat" || fail "no _backup.dat beside larkit.exe equal to list.dat"
"$WINE" reg query "$SETTINGS" /v FloatMode >/dev/null 2>&1 || fail "the exit wrote no settings"
echo "started from the unpacked zip, exited, and wrote list.dat, _backup.dat and the settings in $DIR"
