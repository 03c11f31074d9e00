#!/usr/bin/env bash
# The headless main job: what the program does on a machine without a display.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
cli="$build/bin/marlune-cli"
echo "Marlune built in $build"
"$cli" --version
echo
"$cli" --help
echo
# The sample label's printer stream, exactly as the printer would receive it.
printer_stream="$build/sample-printer.prn"
(cd "$root" && "$cli" print examples/sample.xml -o "$printer_stream")
echo "Printer stream of examples/sample.xml: $printer_stream ($(stat -c %s "$printer_stream") bytes)"
