#!/bin/sh
# Usage: scripts/fuzz.sh [BUILD_DIR [SECONDS_EACH]]. Runs every fuzz target built in BUILD_DIR
# for SECONDS_EACH seconds, starting from the seeds in fuzz/corpus/<target>/. New inputs go to
# BUILD_DIR/corpus/<target>/, a failing input to BUILD_DIR/findings/<target>/; the first target
# that fails ends the run with status 1.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build/fuzz}
SECONDS_EACH=${2:-60}

for target in fuzz/*.cpp; do
    name=$(basename "$target" .cpp)
    program="$BUILD_DIR/fuzz_$name"
    [ -x "$program" ] || { echo "fuzz: $program is missing" >&2; exit 1; }
    mkdir -p "$BUILD_DIR/corpus/$name" "$BUILD_DIR/findings/$name"
    echo "fuzz: $name for ${SECONDS_EACH}s"
    if ! "$program" -max_total_time="$SECONDS_EACH" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$BUILD_DIR/findings/$name/" \
            "$BUILD_DIR/corpus/$name" "fuzz/corpus/$name" >"$BUILD_DIR/$name.log" 2>&1; then
        tail -n 40 "$BUILD_DIR/$name.log" >&2
        echo "fuzz: $name failed; the input is in $BUILD_DIR/findings/$name/" >&2
        exit 1
    fi
    grep -E '^Done ' "$BUILD_DIR/$name.log" | sed "s/^/fuzz: $name: /"
done
