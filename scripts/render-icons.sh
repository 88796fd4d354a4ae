#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from its SVG with headless Chromium.
# Run after changing data/icons/hicolor/scalable/apps/velmora-player.svg; commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/.."
icons=data/icons/hicolor
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$icons/scalable/apps/velmora-player.svg" "$work/icon.svg"
for size in 48 128 256; do
    printf '<html><body style="margin:0"><img src="icon.svg" width="%s" height="%s" style="display:block"></body></html>' \
        "$size" "$size" >"$work/icon-$size.html"
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars \
        --default-background-color=00000000 --window-size="$size,$size" \
        --screenshot="$work/icon-$size.png" "file://$work/icon-$size.html" 2>/dev/null
    mkdir -p "$icons/${size}x$size/apps"
    cp "$work/icon-$size.png" "$icons/${size}x$size/apps/velmora-player.png"
done
echo "rendered: $(ls "$icons"/*/apps/velmora-player.png | tr '\n' ' ')"
