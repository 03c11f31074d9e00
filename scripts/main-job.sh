#!/usr/bin/env bash
# The main job: with a display the desktop program opens on the sample label; without one
# (a headless machine or job) the command-line tool shows what it offers and what the sample
# label holds.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
sample="$root/examples/sample.xml"
cli="$build/bin/marlune-cli"

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec "$build/bin/marlune" "$sample"
fi

echo "Marlune built in $build (no display: running the headless job)"
"$cli" --version
echo
"$cli" --help
echo
echo "== marlune-cli dump examples/sample.xml"
"$cli" dump "$sample"
echo
preview="$build/sample-preview.png"
"$cli" render "$sample" -o "$preview" --zoom fit
echo "Sample label preview written to $preview"
echo
# The sample label's printer stream, exactly as the printer would receive it.
printer_stream="$build/sample-printer.prn"
(cd "$root" && "$cli" print examples/sample.xml -o "$printer_stream")
echo "Printer stream of examples/sample.xml: $printer_stream ($(stat -c %s "$printer_stream") bytes)"
echo
# The sample label's cutter stream, exactly as the cutter would receive it.
cutter_stream="$build/sample-cutter.txt"
(cd "$root" && "$cli" cut examples/sample.xml -o "$cutter_stream")
echo "Cutter stream of examples/sample.xml: $cutter_stream ($(stat -c %s "$cutter_stream") bytes)"
