#!/bin/sh
# Reproducibility: builds the release twice from scratch, in two folders, the second with
# another time zone and umask, and compares larkit.exe and the zip byte for byte.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
CHECK="$ROOT/build/dist-check"
rm -rf "$CHECK"
mkdir -p "$CHECK"
first=$(sh "$ROOT/scripts/build_release.sh" "$CHECK/first")
second=$( (umask 077; TZ=Asia/Tokyo sh "$ROOT/scripts/build_release.sh" "$CHECK/second") )
status=0
for pair in "$CHECK/first/larkit.exe $CHECK/second/larkit.exe" "$first $second"; do
    set -- $pair
    if cmp -s "$1" "$2"; then
        echo "same bytes: $(sha256sum "$1" | cut -c1-16)…  ${1#$ROOT/}  ${2#$ROOT/}"
    else
        echo "DIFFERENT: ${1#$ROOT/} and ${2#$ROOT/}" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "reproducible: two builds gave byte-identical larkit.exe and zip"
exit "$status"
