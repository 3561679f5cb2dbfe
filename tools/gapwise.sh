#!/usr/bin/env bash
# Sets up a Debian 12 machine for Gapwise, builds it with CMake, then runs the game or the tests.
#   tools/gapwise.sh run              build, install into build/install, start the game
#   tools/gapwise.sh test             build (Release) and run every test
#   tools/gapwise.sh test-sanitized   build with AddressSanitizer and UBSan and run the Linux tests
#   tools/gapwise.sh windows          cross-build the Windows program and its installer
#                                     (build/windows/gapwise-setup.exe)
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
# What the Windows cross-build needs: the mingw-w64 compilers with posix threads, NSIS, chmcmd,
# GoogleTest's source, and 32-bit Wine (on Debian's i386 architecture) with Xvfb for its tests;
# the host's compiler builds the Linux dealer that the Windows one is compared with. The window
# tests draw Times New Roman with Liberation Serif and read the screen with ImageMagick and Python.
windows_packages=(
  cmake ninja-build g++
  g++-mingw-w64-i686-posix mingw-w64-i686-dev
  nsis fp-utils libgtest-dev
  wine wine32:i386 xvfb xauth
  fonts-liberation2 imagemagick python3
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

# 32-bit Wine comes from Debian's i386 architecture.
add_i386() {
  dpkg --print-foreign-architectures | grep -qx i386 && return 0
  echo "Adding Debian's i386 architecture for 32-bit Wine"
  as_root dpkg --add-architecture i386
  as_root apt-get update -qq
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

# The Windows build: cross-compiled with mingw-w64, its tests run under Wine in private prefixes.
windows_build() {  # windows_build [cmake options...]
  add_i386
  install_missing "${windows_packages[@]}"
  build "$root/build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" "$@"
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
    # The Windows tests under Wine; the Linux dealer and screenshots just built are the ones to
    # match.
    windows_build -DGAPWISE_HOST_DEAL="$root/build/release/tools/gapwise-deal" \
      -DGAPWISE_HOST_SCREENSHOT="$root/build/release/tools/gapwise-screenshot"
    run_tests "$root/build/windows"
    ;;
  test-sanitized)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    build "$root/build/sanitized" -DGAPWISE_SANITIZE=ON -DGAPWISE_BENCHMARKS=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      run_tests "$root/build/sanitized"
    ;;
  windows)
    windows_build
    echo "Installer: $root/build/windows/gapwise-setup.exe"
    ;;
  *)
    echo "usage: tools/gapwise.sh run|test|test-sanitized|windows" >&2
    exit 2
    ;;
esac
