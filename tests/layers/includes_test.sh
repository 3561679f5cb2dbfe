#!/usr/bin/env bash
# Fails when a source file outside the places allowed for it includes Qt or <windows.h>, when the
# header of the main window includes a toolkit header, or when a CMake file globs for sources.
#   includes_test.sh SOURCE_ROOT
set -uo pipefail
cd "$1" || exit 2
status=0
sources() { find engine settings ui app tools tests -type f \( -name '*.cpp' -o -name '*.h' \) | sort; }

# Qt is for the Qt backend, the worksheet writer (tools/worksheet*), tools and tests.
qt=$(sources | grep -vE '^(ui/toolkit/qt/|tools/|tests/)' |
  xargs grep -lE '^\s*#\s*include\s*<Q[A-Za-z]*>' 2>/dev/null)
if [ -n "$qt" ]; then
  echo "Qt included outside the Qt backend, tools and tests:"; echo "$qt"; status=1
fi

# The Windows headers are for the Windows backends (a folder named win32).
windows=$(sources | grep -vE '(^|/)win32/' |
  xargs grep -liE '^\s*#\s*include\s*<(windows|winreg|shellapi|commctrl)\.h>' 2>/dev/null)
if [ -n "$windows" ]; then
  echo "<windows.h> included outside a Windows backend:"; echo "$windows"; status=1
fi

# The main window's header reaches no toolkit: it names its controls only.
toolkit=$(grep -nE '^\s*#\s*include\s*["<](ui/toolkit/|Q)' ui/main_window.h)
if [ -n "$toolkit" ]; then
  echo "ui/main_window.h includes a toolkit header:"; echo "$toolkit"; status=1
fi

# Every source is listed by name.
globs=$(find . -name CMakeLists.txt -o -name '*.cmake' | grep -v '^./build' |
  xargs grep -nE 'file\s*\(\s*GLOB' 2>/dev/null)
if [ -n "$globs" ]; then
  echo "file(GLOB) in the build:"; echo "$globs"; status=1
fi

[ $status -eq 0 ] && echo "layers: Qt, Windows headers and source lists where they belong"
exit $status
