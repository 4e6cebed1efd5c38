#!/usr/bin/env bash
# Brings the catalogs under translations/ up to date with the texts in src/: new texts arrive
# unfinished for a translator, texts gone from the sources are dropped. The catalog test fails
# while any entry is unfinished.
#   scripts/update-translations.sh            every language
#   scripts/update-translations.sh de fr      only these
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || { echo "lupdate not found: install qt6-l10n-tools (scripts/install-deps.sh)" >&2; exit 1; }
languages=("$@")
[ "${#languages[@]}" -gt 0 ] || languages=(de fr es ja)
for language in "${languages[@]}"; do
  "$lupdate" -silent -no-obsolete -locations none -source-language en -target-language "$language" \
    -extensions cpp,h,qml,js src -ts "translations/kestrune_$language.ts"
done
