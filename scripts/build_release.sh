#!/bin/sh
# Builds the release zip in the given build folder: a stripped release build of larkit.exe,
# then the zip, dated by the last commit (SOURCE_DATE_EPOCH, unless the caller set it).
# Usage: build_release.sh BUILD_DIR. Prints the zip's path.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
DIR=$1
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || echo 315532800)
fi
export SOURCE_DATE_EPOCH
if [ ! -f "$DIR/build.ninja" ]; then
    cmake -S "$ROOT" -B "$DIR" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
          -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
rm -f "$DIR"/larkit-*-win64.zip   # the date comes from the commit, which a rebuild does not see
cmake --build "$DIR" --target dist_zip >&2
ls "$DIR"/larkit-*-win64.zip
