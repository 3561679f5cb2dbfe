#!/usr/bin/env bash
# Builds the hive fuzzer with clang (libFuzzer, AddressSanitizer, UBSan) and runs it for the given
# number of seconds on a working copy of the seed corpus, then prints libFuzzer's figures.
#   tools/fuzz/run-fuzz.sh SECONDS [BUILD_DIR]     (BUILD_DIR defaults to build/fuzz)
# A finding stops the run with a non-zero status and leaves its input in BUILD_DIR/fuzz-artifacts.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${1:?usage: tools/fuzz/run-fuzz.sh SECONDS [BUILD_DIR]}
build=${2:-$root/build/fuzz}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DGAPWISE_FUZZ=ON -DGAPWISE_GUI=OFF -DGAPWISE_BENCHMARKS=OFF \
  >/dev/null
cmake --build "$build" --target gapwise-fuzz-hive -j2

corpus=$build/fuzz-corpus
artifacts=$build/fuzz-artifacts
mkdir -p "$corpus" "$artifacts"
"$build/tools/fuzz/gapwise-fuzz-hive" "$corpus" "$root/tools/fuzz/corpus" \
  -dict="$root/tools/fuzz/hive.dict" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1
