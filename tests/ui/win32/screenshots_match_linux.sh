#!/usr/bin/env bash
# The Windows main window (gapwise-screenshot.exe under Wine) draws every kind of puzzle, and the
# layout's worked examples, with the digits and the red mask where the Linux one (gapwise-screenshot
# on Qt, offscreen) draws them, for a few seeds.
#   screenshots_match_linux.sh LINUX_SCREENSHOT WINDOWS_SCREENSHOT_EXE OUTDIR
set -euo pipefail
linux=$1
windows=$2
out=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -rf "$out"
status=0
for seed in 42 2024; do
  mkdir -p "$out/$seed/linux" "$out/$seed/windows"
  QT_QPA_PLATFORM=offscreen "$linux" "$seed" "$out/$seed/linux" >/dev/null
  wine "$windows" "$seed" "$(winepath -w "$out/$seed/windows")" >/dev/null
  echo "seed $seed:"
  python3 "$here/../../../tools/compare_screenshots.py" "$out/$seed/linux" \
    "$out/$seed/windows" || status=1
done
exit $status
