#!/usr/bin/env bash
# Marlune's single entry point.
#   ./marlune.sh            install what is missing, build, run the program
#   ./marlune.sh test       install, build and run every test
#   ./marlune.sh bench      install, build (build-bench: release, no assertions) and run the benchmarks
#   ./marlune.sh sanitize   install, build with AddressSanitizer + UBSan and run every test
#   ./marlune.sh fuzz [SECONDS]  install clang, build the libFuzzer harnesses with AddressSanitizer
#                           + UBSan into build-fuzz and run each for SECONDS (default 60)
#   ./marlune.sh package    install, build and make the Debian package build/marlune_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"
command=${1:-run}

scripts/setup.sh

case "$command" in
run)
    scripts/build.sh build -DMARLUNE_BUILD_BENCH=OFF
    scripts/main-job.sh build
    ;;
test)
    scripts/build.sh build -DMARLUNE_BUILD_BENCH=OFF
    ctest --test-dir build --output-on-failure -j 2
    ;;
sanitize)
    scripts/build.sh build-sanitize -DMARLUNE_SANITIZE=ON -DMARLUNE_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-sanitize --output-on-failure -j 2
    ;;
fuzz)
    scripts/setup.sh scripts/fuzz-packages.txt
    seconds=${2:-60}
    [[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "usage: ./marlune.sh fuzz [SECONDS]" >&2; exit 2; }
    CC=clang CXX=clang++ MARLUNE_TARGET=marlune_fuzz \
        scripts/build.sh build-fuzz -DMARLUNE_FUZZ=ON -DMARLUNE_BUILD_BENCH=OFF
    scripts/fuzz.sh build-fuzz "$seconds" "${@:3}"
    ;;
bench)
    scripts/build.sh build-bench -DMARLUNE_BUILD_BENCH=ON -DMARLUNE_BUILD_TESTS=OFF -DMARLUNE_ASSERTIONS=OFF
    for program in build-bench/bench/bench_*; do
        [[ -f $program && -x $program ]] || continue # skip the build's *_autogen folders
        echo "== $(basename "$program")"
        "$program" "${@:2}"
    done
    ;;
package)
    scripts/setup.sh scripts/packaging-packages.txt
    scripts/build.sh build -DMARLUNE_BUILD_BENCH=OFF
    rm -f build/marlune_*.deb
    (cd build && cpack -G DEB)
    ls build/marlune_*.deb
    ;;
*)
    echo "usage: ./marlune.sh [test|bench|sanitize|package|fuzz [SECONDS]]" >&2
    exit 2
    ;;
esac
