#!/usr/bin/env bash
# Sets up a Debian 12 machine for Gapwise, builds it with CMake, then runs the game or the tests.
#   tools/gapwise.sh run              build, install into build/install, start the game
#   tools/gapwise.sh test             build (Release) and run every test
#   tools/gapwise.sh test-sanitized   build with AddressSanitizer and UBSan and run the Linux tests
#   tools/gapwise.sh windows          cross-build the Windows programs and their installers
#                                     (build/windows/gapwise-setup.exe, 32-bit, and
#                                     build/windows-x64/gapwise-setup-x64.exe, 64-bit)
#   tools/gapwise.sh web              build the page into build/web (Emscripten)
#   tools/gapwise.sh web-serve        build it and serve it on http://127.0.0.1:8000/
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
# What the Windows cross-builds need: the 32-bit and 64-bit mingw-w64 compilers with posix threads,
# NSIS, chmcmd, GoogleTest's source, and 64-bit Wine with Xvfb for their tests (32-bit Wine, from
# Debian's i386 architecture, only where the host runs 32-bit programs); the host's compiler
# builds the Linux dealer that the Windows one is compared with. The window tests draw Times New
# Roman with Liberation Serif and read the screen with ImageMagick and Python.
windows_packages=(
  cmake ninja-build g++
  g++-mingw-w64-i686-posix mingw-w64-i686-dev g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  nsis fp-utils libgtest-dev
  wine wine64 xvfb xauth
  fonts-liberation2 imagemagick python3
)

# What the page needs: Debian's Emscripten and Node (the dealer, the store's tests), the fonts it
# ships; its tests drive Debian's headless Chromium through chromium-driver.
web_packages=(cmake ninja-build emscripten nodejs fonts-liberation2 libgtest-dev)
web_test_packages=(chromium chromium-driver python3-selenium)

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

# Whether the kernel runs 32-bit x86 programs (many containers and virtual machines do not):
# a 93-byte i386 program that only exits 0.
runs_i386() {
  local probe
  probe=$(mktemp)
  printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  local status=0
  "$probe" 2>/dev/null || status=1
  rm -f "$probe"
  return $status
}

# 32-bit Wine comes from Debian's i386 architecture.
add_wine32() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding Debian's i386 architecture for 32-bit Wine"
    as_root dpkg --add-architecture i386
    as_root apt-get update -qq
  fi
  install_missing wine32:i386
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

# The Windows builds: cross-compiled with mingw-w64, their tests run under Wine in private
# prefixes. build/windows holds the 32-bit programs, build/windows-x64 the 64-bit ones.
windows_build() {  # windows_build x86|x64 [cmake options...]
  local width=$1
  shift
  install_missing "${windows_packages[@]}"
  if [ "$width" = x64 ]; then
    build "$root/build/windows-x64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" "$@"
  else
    build "$root/build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" "$@"
  fi
}

# The page: build/web-cmake holds the Emscripten build, build/web the page it writes.
web_build() {  # web_build [cmake options...]
  install_missing "${web_packages[@]}"
  emcmake cmake -S "$root" -B "$root/build/web-cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DGAPWISE_WEB_OUTPUT="$root/build/web" "$@" >/dev/null
  NODE_PATH=/usr/share/nodejs cmake --build "$root/build/web-cmake" --parallel "$(nproc)"
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
    # match. The 64-bit programs everywhere; the 32-bit ones are built everywhere and tested where
    # the host runs 32-bit programs.
    host=(-DGAPWISE_HOST_DEAL="$root/build/release/deal/gapwise-deal"
      -DGAPWISE_HOST_SCREENSHOT="$root/build/release/tools/gapwise-screenshot")
    windows_build x64 "${host[@]}"
    run_tests "$root/build/windows-x64"
    windows_build x86 "${host[@]}"
    if runs_i386; then
      add_wine32
      run_tests "$root/build/windows"
    else
      echo "This host runs no 32-bit programs: the 32-bit Windows build was built, not tested."
    fi
    # The page: the store over localStorage under Node, the game in headless Chromium, its windows
    # against the Linux screenshots.
    install_missing "${web_test_packages[@]}" imagemagick
    web_build -DGAPWISE_HOST_SCREENSHOT="$root/build/release/tools/gapwise-screenshot"
    ctest --test-dir "$root/build/web-cmake" --output-on-failure --timeout 600
    ;;
  web)
    web_build
    echo "The page: $root/build/web (serve it with: bash tools/gapwise.sh web-serve)"
    ;;
  web-serve)
    web_build
    echo "Gapwise on http://127.0.0.1:8000/ (Ctrl+C stops)"
    exec python3 -m http.server 8000 --bind 127.0.0.1 --directory "$root/build/web"
    ;;
  test-sanitized)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    build "$root/build/sanitized" -DGAPWISE_SANITIZE=ON -DGAPWISE_BENCHMARKS=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      run_tests "$root/build/sanitized"
    ;;
  windows)
    windows_build x86
    windows_build x64
    echo "Installers: $root/build/windows/gapwise-setup.exe (32-bit)," \
      "$root/build/windows-x64/gapwise-setup-x64.exe (64-bit)"
    ;;
  *)
    echo "usage: tools/gapwise.sh run|test|test-sanitized|windows|web|web-serve" >&2
    exit 2
    ;;
esac
