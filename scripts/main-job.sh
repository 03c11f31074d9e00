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
echo
# Three labels printed and cut against the virtual label machine, as the job window's
# print-and-cut button runs them: print, await the printer's status echo, cut.
ports="$build/sim-ports.txt"
rm -f "$build/sim-printer.log" "$build/sim-cutter.log"
"$build/bin/marlune-sim" --printer-log "$build/sim-printer.log" --cutter-log "$build/sim-cutter.log" \
    >"$ports" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [[ $(wc -l <"$ports") -ge 3 ]] && break
    sleep 0.1
done
port() { sed -n "s/^$1=//p" "$ports"; }
echo "== marlune-cli run examples/sample.xml --quantity 3 (against marlune-sim)"
(cd "$root" && "$cli" run examples/sample.xml --quantity 3 --printer "$(port printer)" \
    --status "$(port status)" --cutter "$(port cutter)")
echo "The virtual machine's logs: $build/sim-printer.log, $build/sim-cutter.log"
