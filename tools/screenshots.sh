#!/usr/bin/env bash
# Renders the game window offscreen for a seed and writes PNG files into OUTDIR: each kind of
# puzzle, typed and multiple-choice, with one and with two hidden digits, and the layout's
# worked examples.
#   tools/screenshots.sh SEED OUTDIR [BUILD_DIR]   (BUILD_DIR defaults to build/release)
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: tools/screenshots.sh SEED OUTDIR [BUILD_DIR]" >&2
  exit 2
fi
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seed=$1
out=$2
build=${3:-$root/build/release}

if [ ! -x "$build/tools/gapwise-screenshot" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target gapwise-screenshot >/dev/null
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/tools/gapwise-screenshot" "$seed" "$out"
