#!/usr/bin/env bash
# screenshots.sh [BUILD_DIR]: takes the README's screenshots (docs/*.png: the main window with
# the sample label, the label setup dialog, the print-and-cut window) on a virtual X display,
# in Chinese, and the same in English as docs/en/*.png. Needs Xvfb (scripts/packaging-packages.txt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cmake --build "$build" --target marlune-screenshots -j "${MARLUNE_JOBS:-2}" >/dev/null
mkdir -p "$root/docs/en"
cd "$root"
# A fixed screen, so that the pictures come out the same on every machine.
run() { xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" "$build/bin/marlune-screenshots" "$@"; }
run docs
run docs/en en
ls -l docs/*.png docs/en/*.png
