#!/usr/bin/env bash
# Brings translations/velmora_<lang>.ts up to date with the texts in src/: new texts come in as
# unfinished, texts gone from the code are dropped. Names given as arguments ("nl", "pt_PT")
# start new languages. Run it after changing texts, before translating.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate 2>/dev/null || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "lupdate not found: run scripts/install-deps.sh" >&2; exit 1; }

files=()
for language in "$@"; do
    if [[ ! $language =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]]; then
        echo "scripts/update-translations.sh: '$language' is not a language code like de or pt_BR" >&2
        exit 2
    fi
    files+=("translations/velmora_$language.ts")
done
for file in translations/velmora_*.ts; do
    [ -e "$file" ] && [[ ! " ${files[*]} " == *" $file "* ]] && files+=("$file")
done
((${#files[@]})) || { echo "no translations/velmora_*.ts yet: name a language" >&2; exit 2; }

# No source locations: line numbers would change every file on every edit of the code.
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h src -ts "${files[@]}"
for file in "${files[@]}"; do
    echo "$file: $(grep -c '<source>' "$file") texts, $(grep -c 'type="unfinished"' "$file") unfinished"
done
