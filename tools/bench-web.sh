#!/usr/bin/env bash
# The page's figures: what a first visit transfers (gzip -9, fonts apart), the first paint on a
# reload against a plain HTML page with the same labels (medians of 15), and the page's memory.
#   tools/bench-web.sh [PAGE_FOLDER]   (build/web by default; bash tools/gapwise.sh web writes it)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
page=${1:-$root/build/web}
sizes() {  # sizes FILE...: raw and gzip -9 bytes, summed
  local raw=0 packed=0
  for file in "$@"; do
    raw=$((raw + $(stat -c %s "$file")))
    packed=$((packed + $(gzip -9c "$file" | wc -c)))
  done
  echo "$raw bytes, $packed with gzip -9"
}
cd "$page"
echo "program (gapwise.wasm + gapwise.js): $(sizes gapwise.wasm gapwise.js)"
echo "the page's first load without fonts: $(sizes index.html gapwise.css gapwise.js \
  gapwise.wasm manifest.webmanifest icon.svg sw.js)"
echo "fonts (three faces of Liberation Serif): $(sizes fonts/*.ttf)"
echo "what the service worker adds for offline (help, licence): $(sizes help/* fonts/OFL.txt)"
/usr/bin/python3 "$root/tools/bench_web.py" "$page" 15
