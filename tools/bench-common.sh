# What the benchmarks of the game window share, sourced by them after they have set root, build
# and their arguments:
#   bench_on_display SCRIPT ARGS...   runs the script again under Xvfb when no display is set
#   bench_build TARGETS...            configures the build folder when needed and builds them
#   bench_settings VALUES             a temporary XDG_CONFIG_HOME ($config, removed at exit) whose
#                                     hive holds the game's key with VALUES (REGEDIT4 lines, CRLF)
# The user's own hive is never read or written.

bench_on_display() {
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24' bash "$@"
  fi
}

bench_build() {
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$build" --target "$@" >/dev/null
}

bench_settings() {
  config=$(mktemp -d)
  trap 'rm -rf "$config"' EXIT
  mkdir -p "$config/gapwise"
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise]\r\n%s' "$1" \
    >"$config/gapwise/registry.reg"
  export XDG_CONFIG_HOME=$config
}
