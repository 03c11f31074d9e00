#!/usr/bin/env bash
# Gathers every text the programs show (tr(), QT_TRANSLATE_NOOP) from src/ into the English
# translation translations/marlune_en.ts, keeping the translations it already holds and
# dropping those of texts that are gone. New texts come in unfinished: translate them (Qt
# Linguist, or by hand in the file) until the suite's translation test passes again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
ts="$root/translations/marlune_en.ts"
"$lupdate" -silent -no-obsolete -locations none -source-language zh_CN -target-language en \
    "$root/src" -ts "$ts"
unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
echo "$ts: $unfinished text(s) to translate"
