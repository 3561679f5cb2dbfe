#!/usr/bin/env bash
# Sets up a Debian 12 machine for Gapwise, builds it with CMake, then runs the game or the tests.
#   tools/gapwise.sh run              build, install into build/install, start the game
#   tools/gapwise.sh test             build (Release) and run every test
#   tools/gapwise.sh test-sanitized   build with AddressSanitizer and UBSan and run every test
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
command=${1:-run}

# What building and playing need; the tests add their own tools to it.
run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev fonts-liberation2
  fp-utils xdg-utils xchm
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  desktop-file-utils appstream
  xvfb xauth openbox
  dbus at-spi2-core python3-pyatspi
  poppler-utils
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {  # install_missing PACKAGE...
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

run_tests() {  # run_tests DIR
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" \
    --timeout 300
}

case "$command" in
  run)
    install_missing "${run_packages[@]}"
    build "$root/build/game" -DGAPWISE_TESTS=OFF -DGAPWISE_BENCHMARKS=OFF
    cmake --install "$root/build/game" --prefix "$root/build/install" >/dev/null
    exec "$root/build/install/bin/gapwise"
    ;;
  test)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    build "$root/build/release"
    run_tests "$root/build/release"
    ;;
  test-sanitized)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    build "$root/build/sanitized" -DGAPWISE_SANITIZE=ON -DGAPWISE_BENCHMARKS=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      run_tests "$root/build/sanitized"
    ;;
  *)
    echo "usage: tools/gapwise.sh run|test|test-sanitized" >&2
    exit 2
    ;;
esac
