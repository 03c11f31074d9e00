#!/usr/bin/env bash
# build.sh BUILD_DIR [CMAKE_OPTIONS...]: configures (once) and builds Release with two jobs;
# MARLUNE_TARGET builds one target instead of all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$build" -j "${MARLUNE_JOBS:-2}" ${MARLUNE_TARGET:+--target "$MARLUNE_TARGET"}
