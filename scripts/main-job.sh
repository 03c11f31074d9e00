#!/usr/bin/env bash
# The headless main job: what the program does on a machine without a display.
set -euo pipefail
build=$1
cli="$build/bin/marlune-cli"
echo "Marlune built in $build"
"$cli" --version
echo
"$cli" --help
echo
preview="$build/sample-preview.png"
"$cli" render examples/sample.xml -o "$preview" --zoom fit
echo "Sample label preview written to $preview"
