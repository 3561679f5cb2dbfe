#!/usr/bin/env bash
# Start-up of the Windows program under Wine, in one run: the game's start (gapwise-first-frame.exe
# game: the application, the settings from the registry and the main window, until the main window
# and all its controls have painted their first frame) side by side
# with a bare Win32 window of the same size and frame (gapwise-first-frame.exe bare) as the floor.
# RUNS runs of each, alternating; medians of
#   - the milliseconds from the process's creation to the first frame (as the process measures it),
#   - the wall-clock milliseconds from starting wine to the process's end,
#   - the working set at the first frame and its peak (GetProcessMemoryInfo, KiB),
# and their ratios. The Wine server is kept running between the runs, so that its start is in
# neither. Runs in a private Wine prefix (a new one in a temporary folder unless WINEPREFIX names
# one) on the X display given, else on an Xvfb started here; the settings key is removed first.
#   tools/win32/bench-startup.sh [BUILD_DIR] [RUNS]   (BUILD_DIR: build/windows-x64, RUNS: 15)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build/windows-x64}
runs=${2:-15}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24' bash "$0" "$build" "$runs"
fi
tool=$build/tools/win32/gapwise-first-frame.exe
[ -f "$tool" ] || cmake --build "$build" --target gapwise-first-frame >/dev/null

scratch=$(mktemp -d)
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX=$scratch/prefix
  own_prefix=1
else
  own_prefix=0
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
if [ "$own_prefix" = 1 ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
wineserver -p 2>/dev/null || true  # kept between the runs (unless one already serves the prefix)
# Windows framed by Wine itself (Xvfb has no window manager), Times New Roman as Liberation Serif.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
  /d 'Liberation Serif' /f >/dev/null 2>&1
wine reg delete 'HKCU\Software\Ardentree' /f >/dev/null 2>&1 || true

# One run: "in-process-ms wall-ms working-set-KiB peak-KiB".
measure() {
  local start end line
  start=$(date +%s%N)
  line=$(wine "$tool" "$1" | tr -d '\r')
  end=$(date +%s%N)
  read -r ms set peak <<<"$line"
  echo "$ms $(((end - start) / 1000000)) $set $peak"
}
median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for mode in bare game bare game; do measure "$mode" >/dev/null; done  # warm the caches
: >"$scratch/bare"
: >"$scratch/game"
for ((i = 0; i < runs; i++)); do
  for mode in bare game; do measure "$mode" >>"$scratch/$mode"; done
done

column() { cut -d' ' -f"$2" "$scratch/$1" | median; }
echo "gapwise.exe's start-up under $(wine --version), median of $runs runs each:"
printf '  %-22s %10s %10s %12s %12s\n' "" "first frame" "wall" "working set" "peak"
for mode in bare game; do
  label=$([ "$mode" = bare ] && echo "bare Win32 window" || echo "game window")
  printf '  %-22s %8s ms %7s ms %8s KiB %8s KiB\n' "$label" "$(column "$mode" 1)" \
    "$(column "$mode" 2)" "$(column "$mode" 3)" "$(column "$mode" 4)"
done
awk -v gm="$(column game 1)" -v bm="$(column bare 1)" -v gw="$(column game 2)" \
  -v bw="$(column bare 2)" -v gs="$(column game 3)" -v bs="$(column bare 3)" \
  -v gp="$(column game 4)" -v bp="$(column bare 4)" 'BEGIN {
    printf "  ratio game / bare:     first frame %.2fx, wall %.2fx, working set %.2fx, peak %.2fx\n",
      gm / bm, gw / bw, gs / bs, gp / bp }'
