#!/bin/sh
# The release as a user gets it: unpack the zip into a fresh folder, start larkit.exe there,
# end it as another program would (IDM_EXIT), and find the list and its backup written beside
# it. Usage: start_from_zip.sh ZIP LARKIT_CTL.EXE (run inside with_wine.sh; ctest does).
set -eu
ZIP=$1
CTL=$2
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/scripts/wine_env.sh"
SETTINGS='HKCU\Software\Quorvane\larkit'

WORK=$(mktemp -d)
PROGRAM=""
cleanup() {
    [ -n "$PROGRAM" ] && kill "$PROGRAM" 2>/dev/null || true
    "$WINE" reg delete "$SETTINGS" /f >/dev/null 2>&1 || true
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

python3 - "$ZIP" "$WORK" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    names = sorted(z.namelist())
    folder = names[0]
    expected = [folder] + [folder + n for n in ('larkit.exe', 'larkit.htm', 'list.dat', 'readme.txt')]
    if not folder.startswith('larkit-') or names != expected:
        sys.exit('unexpected zip contents: %s' % names)
    z.extractall(sys.argv[2])
PY
DIR=$(echo "$WORK"/larkit-*)
cmp -s "$DIR/list.dat" "$ROOT/demo/list.dat" || fail "the zip's list.dat is not the sample list"
grep -q '<meta charset="utf-8">' "$DIR/larkit.htm" || fail "the help page does not name its encoding"

# A first start: no settings yet.
"$WINE" reg delete "$SETTINGS" /f >/dev/null 2>&1 || true
(cd "$DIR" && exec "$WINE" larkit.exe) &
PROGRAM=$!
"$WINE" "$CTL" wait 20000 || fail "no larkit window appeared"
"$WINE" "$CTL" post 40012 || fail "could not post IDM_EXIT"
for _ in $(seq 1 200); do
    kill -0 "$PROGRAM" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$PROGRAM" 2>/dev/null && fail "larkit did not exit within 20 s"
status=0
wait "$PROGRAM" || status=$?
PROGRAM=""
[ "$status" -eq 0 ] || fail "larkit exited with $status"

[ -f "$DIR/_backup.dat" ] || fail "no _backup.dat beside larkit.exe"
cmp -s "$DIR/list.dat" "$ROOT/demo/list.dat" || fail "list.dat changed on its way through the program"
cmp -s "$DIR/_backup.dat" "$DIR/list.dat" || fail "_backup.dat differs from list.dat"
floatMode=$("$WINE" reg query "$SETTINGS" /v FloatMode 2>/dev/null | tr -d '\r' | awk '/FloatMode/ {print $3}')
[ -n "$floatMode" ] || fail "the exit wrote no settings"
echo "started from the unpacked zip, exited, and wrote list.dat and _backup.dat in $DIR"
