#!/usr/bin/env bash
# Memory in play: gapwise-play plays MINUTES minutes of the game at a 1-second time limit, every
# second of play at once (ten keys, one tick, each message box closed as it opens), under Xvfb
# (started here when no display is set), and prints its resident memory after each minute. This
# reports the memory after the warm-up (the first WARMUP minutes) and its least-squares slope
# from then on, in KiB a minute.
# Settings come from a temporary XDG_CONFIG_HOME: the user's own hive is never read or written.
#   tools/bench-play.sh [BUILD_DIR] [MINUTES] [WARMUP]
# Goal: a slope under 1 KiB a minute after the first minute of an hour's play.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/release}
minutes=${2:-60}
warmup=${3:-1}

source "$root/tools/bench-common.sh"
bench_on_display "$0" "$build" "$minutes" "$warmup"
bench_build gapwise-play
bench_settings $'"tlimited"=dword:00000001\r\n"timelimit"=dword:00000001\r\n'

start=$(date +%s)
"$build/tools/gapwise-play" "$minutes" 2>/dev/null >"$config/rss"
seconds=$(($(date +%s) - start))

awk -v warmup="$warmup" -v seconds="$seconds" '
  $1 == 0 { first = $2 }
  { answers = $3 }
  $1 >= warmup { n++; sx += $1; sy += $2; sxx += $1 * $1; sxy += $1 * $2; last = $2; lastMin = $1 }
  $1 == warmup { warm = $2 }
  END {
    slope = n > 1 ? (n * sxy - sx * sy) / (n * sxx - sx * sx) : 0
    printf "played %d minutes (%d answers scored) in %d s\n", lastMin, answers, seconds
    printf "resident: %d KiB at start, %d KiB after %d minute(s), %d KiB at the end\n", first, warm, warmup, last
    printf "slope after the warm-up: %.2f KiB a minute\n", slope
  }' "$config/rss"
