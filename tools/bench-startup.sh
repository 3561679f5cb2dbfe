#!/usr/bin/env bash
# Start-up and idle benchmark of the game window, run as whole processes under Xvfb (started here
# when no display is set):
#   1. time from exec to the first painted frame of the main window, and peak memory, for the
#      game's start-up (gapwise-first-frame game) side by side with a bare Qt window of the same
#      size (gapwise-first-frame bare) as the floor, and that window drawing three lines of text
#      (gapwise-first-frame text); RUNS runs each, medians reported (the peak is the process's own
#      VmHWM, reported as it quits);
#   2. the CPU time the real program uses in one idle minute with the countdown running.
# Settings come from a temporary XDG_CONFIG_HOME: the user's own hive is never read or written.
#   tools/bench-startup.sh [BUILD_DIR] [RUNS] [IDLE_SECONDS]
# Goals: start-up within 1.05x the floor, memory within 1.1x, idle under 0.1 % of a core.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/release}
runs=${2:-15}
idle=${3:-60}

source "$root/tools/bench-common.sh"
bench_on_display "$0" "$build" "$runs" "$idle"
bench_build gapwise gapwise-first-frame
# A countdown of an hour, so that the idle minute sees ticks but no time-out.
bench_settings $'"timelimit"=dword:00000e10\r\n'

first_frame=$build/tools/gapwise-first-frame

# One run: prints "milliseconds kilobytes".
measure() {
  local start end kb
  start=$(date +%s%N)
  "$first_frame" "$1" >"$config/peak" 2>/dev/null
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000000 )) $(tail -n 1 "$config/peak")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

modes=(bare text game)
for mode in "${modes[@]}"; do measure "$mode" >/dev/null; done  # warm the caches
for mode in "${modes[@]}"; do : >"$config/$mode"; done
for ((i = 0; i < runs; i++)); do
  for mode in "${modes[@]}"; do measure "$mode" >>"$config/$mode"; done
done

bare_ms=$(cut -d' ' -f1 "$config/bare" | median)
game_ms=$(cut -d' ' -f1 "$config/game" | median)
bare_kb=$(cut -d' ' -f2 "$config/bare" | median)
game_kb=$(cut -d' ' -f2 "$config/game" | median)
echo "start-up to first frame, median of $runs runs:"
echo "  bare Qt window: ${bare_ms} ms, peak ${bare_kb} KiB"
echo "  with text:      $(cut -d' ' -f1 "$config/text" | median) ms," \
  "peak $(cut -d' ' -f2 "$config/text" | median) KiB (the same window drawing three lines in" \
  "the game's faces: what fonts and text shaping cost)"
echo "  game window:    ${game_ms} ms, peak ${game_kb} KiB"
awk -v g="$game_ms" -v b="$bare_ms" -v gk="$game_kb" -v bk="$bare_kb" 'BEGIN {
  printf "  ratio: time %.2fx (goal 1.05x), memory %.2fx (goal 1.1x)\n", g / b, gk / bk }'

# The idle minute: CPU time of the running game's threads, in nanoseconds, from /proc.
"$build/app/gapwise" >/dev/null 2>&1 &
pid=$!
sleep 3
cpu_ns() { cat /proc/"$pid"/task/*/schedstat | awk '{ sum += $1 } END { print sum }'; }
before=$(cpu_ns)
sleep "$idle"
after=$(cpu_ns)
kill "$pid"
wait "$pid" 2>/dev/null || true
awk -v ns=$((after - before)) -v s="$idle" 'BEGIN {
  printf "idle for %d s with the countdown running: %.1f ms of CPU, %.3f %% of a core (goal 0.1 %%)\n",
    s, ns / 1e6, 100 * ns / 1e9 / s }'
