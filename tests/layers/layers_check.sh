#!/usr/bin/env bash
# The layers as the sources keep them. Fails, naming the file and line, when:
#   - portable code (engine/, settings/, ui/ and the fake backend, app/) includes a header that is
#     not the C++ library's (Qt, <windows.h>, <objbase.h>, POSIX, Emscripten: only backends may),
#     or tests the platform in the preprocessor (_WIN32, __linux__, __EMSCRIPTEN__, Q_OS_...);
#   - portable code other than app/ includes a backend's header (ui/toolkit/qt/, win32/, web/,
#     settings/win32/, hive/, web/): app/ alone picks the backends;
#   - the engine includes anything of the program beyond the engine;
#   - the main window's header includes a toolkit header, or Qt or the Windows headers appear in
#     a tool or test outside their platform's folders;
#   - a CMake file globs for sources.
#   layers_check.sh SOURCE_ROOT
set -uo pipefail
cd "$1" || exit 2
status=0
backend='^(ui/toolkit/(qt|win32|web)|settings/(win32|hive|web))/'
sources() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort; }
portable() { sources engine settings ui app | grep -vE "$backend"; }
report() {  # report WHAT MATCHES: fails with the matches, one "file:line: text" a line
  [ -z "$2" ] && return 0
  echo "$1:"
  echo "$2" | sed 's/^/  /'
  status=1
}

report "a header beyond the C++ library in portable code (only a backend may include it)" \
  "$(portable | xargs grep -nE '^\s*#\s*include\s*<' | grep -vE '#\s*include\s*<[a-z_0-9]+>')"
report "the platform tested in portable code (only a backend may)" \
  "$(portable | xargs grep -nE '^\s*#\s*(if|ifdef|ifndef|elif)\b.*(_WIN32|_WIN64|\bWIN32\b|__linux__|__unix__|__APPLE__|__EMSCRIPTEN__|__MINGW|_MSC_VER|Q_OS_)')"
report "a backend's header in portable code (app/ picks the backends)" \
  "$(portable | grep -v '^app/' |
    xargs grep -nE '^\s*#\s*include\s*"(ui/toolkit/(qt|win32|web)|settings/(win32|hive|web))/')"
report "the engine includes the program beyond the engine" \
  "$(sources engine | xargs grep -nE '^\s*#\s*include\s*"' | grep -vE '#\s*include\s*"engine/')"
report "ui/forms/main_window.h includes a toolkit header" \
  "$(grep -nE '^\s*#\s*include\s*["<](ui/toolkit/|Q)' ui/forms/main_window.h)"
report "Qt outside the Qt backend, the worksheet writer, tools and tests" \
  "$(sources engine settings ui app deal tools tests |
    grep -vE '^(ui/toolkit/qt/|deal/worksheet|tools/|tests/)' |
    xargs grep -nE '^\s*#\s*include\s*<Qt?[A-Za-z]*[>/]')"
report "the Windows headers outside a Windows folder" \
  "$(sources engine settings ui app deal tools tests | grep -vE '(^|/)win32/' |
    xargs grep -niE '^\s*#\s*include\s*<(windows|winreg|shellapi|commctrl|objbase|oleacc)\.h>')"
report "file(GLOB) in the build (a build script may list what it wrote)" \
  "$(find . -name CMakeLists.txt -o -name '*.cmake' | grep -v '^./build' |
    xargs grep -nE 'file\s*\(\s*GLOB' | grep -v 'RELATIVE \${OUT} \${OUT}/')"

[ $status -eq 0 ] && echo "layers: every header and platform test where it belongs"
exit $status
