#!/bin/sh
# The release as a user gets it, unpacked into a fresh folder, started there and ended by IDM_EXIT
# posted: the sample list kept, its backup and the settings written. Args: ZIP LARKIT_CTL.EXE
set -eu
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/scripts/wine_env.sh"
SETTINGS='HKCU\Software\Quorvane\larkit'
WORK=$(mktemp -d)
PROGRAM=""
trap '[ -n "$PROGRAM" ] && kill "$PROGRAM" 2>/dev/null; "$WINE" reg delete "$SETTINGS" /f >/dev/null 2>&1; rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

unzip -q "$1" -d "$WORK"
DIR=$(echo "$WORK"/larkit-*)
[ "$(ls -A "$WORK")" = "${DIR##*/}" ] && [ "$(ls -A "$DIR" | tr '\n' ' ')" = "larkit.exe larkit.htm list.dat readme.txt " ] ||
    fail "unexpected zip contents: $(cd "$WORK" && find . | tr '\n' ' ')"
"$WINE" reg delete "$SETTINGS" /f >/dev/null 2>&1 || true   # a first start
(cd "$DIR" && exec "$WINE" larkit.exe) &
PROGRAM=$!
"$WINE" "$2" wait 20000 || fail "no larkit window appeared"
"$WINE" "$2" post 40012 || fail "could not post IDM_EXIT"
"$WINE" "$2" gone 20000 || fail "larkit did not close within 20 s"
wait "$PROGRAM" || fail "larkit exited with $?"
PROGRAM=""
cmp -s "$DIR/list.dat" "$ROOT/demo/list.dat" || fail "list.dat is not the sample list as it was"
cmp -s "$DIR/_backup.dat" "$DIR/list.dat" || fail "no _backup.dat beside larkit.exe equal to list.dat"
"$WINE" reg query "$SETTINGS" /v FloatMode >/dev/null 2>&1 || fail "the exit wrote no settings"
