#!/usr/bin/env bash
# Worksheet benchmark: the wall time of whole gapwise-deal runs that write 1,000 puzzles as a PDF
# and their answer key beside it
# (typed and multiple-choice, A4), RUNS runs each; prints the median and the slowest run, the
# sheet's pages and file size. Settings come from an empty XDG_CONFIG_HOME.
#   tools/bench-worksheet.sh [BUILD_DIR] [RUNS]
# Goal: under 2 s for 1,000 puzzles.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/release}
runs=${2:-9}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target gapwise-deal >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work

for mode in typed multiple-choice; do
  flags=()
  [ "$mode" = multiple-choice ] && flags=(--multiple-choice)
  times=()
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$build/deal/gapwise-deal" --seed 7 --count 1000 "${flags[@]}" --worksheet "$work/w.pdf"
    times+=($((($(date +%s%N) - start) / 1000000)))
  done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  pages=$(pdfinfo "$work/w.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}' || true)
  printf '%-16s median %5d ms  slowest %5d ms  pages %s  size %d KB\n' "$mode" \
    "${sorted[$((runs / 2))]}" "${sorted[$((runs - 1))]}" "${pages:-?}" \
    $(($(stat -c %s "$work/w.pdf") / 1024))
done
