#!/usr/bin/env bash
# build.sh BUILD_DIR [CMAKE_OPTIONS...]: configures BUILD_DIR when it is new or its options
# changed since it was last configured, then builds optimised (Release) with two jobs. A
# configure that fails shows its whole output; one that succeeds shows only its warnings.
# Assertions stay on (see MARLUNE_ASSERTIONS) unless the options turn them off. MARLUNE_TARGET
# builds one target instead of all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
options=(-DCMAKE_BUILD_TYPE=Release "$@")
stamp="$build/.marlune-options"
if [[ ! -f $build/CMakeCache.txt || ! -f $stamp || $(<"$stamp") != "${options[*]}" ]]; then
    mkdir -p "$build"
    log="$build/configure.log"
    if ! cmake -S "$root" -B "$build" "${options[@]}" >"$log" 2>&1; then
        cat "$log" >&2
        echo "build.sh: configuring $build failed (output above, also in $log)" >&2
        exit 1
    fi
    if grep -q "CMake Warning" "$log"; then
        cat "$log" >&2
    fi
    printf '%s' "${options[*]}" >"$stamp"
fi
cmake --build "$build" -j "${MARLUNE_JOBS:-2}" ${MARLUNE_TARGET:+--target "$MARLUNE_TARGET"}
