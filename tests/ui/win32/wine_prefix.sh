#!/usr/bin/env bash
# The window tests' own Wine prefix, never the user's ~/.wine, made on the test run's X display:
# with every process of the prefix on that display, Wine's desktop process is too (a process
# without a display, starting it first, would leave the windows without a driver).
#   wine_prefix.sh start PREFIX   make a new prefix: Times New Roman drawn with Liberation Serif (a
#                                 face with the same metrics), and top-level windows that Wine
#                                 frames itself, as Xvfb has no window manager (with one expected,
#                                 Wine waits up to two seconds for it each time a window is hidden)
#   wine_prefix.sh stop PREFIX    end the prefix's server and the programs still in it
set -euo pipefail
command=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case "$command" in
  start)
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    start=$(date +%s)
    wineboot -i
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
      /d 'Liberation Serif' /f
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    wineserver -w
    echo "Wine prefix $WINEPREFIX ready in $(($(date +%s) - start)) s on $DISPLAY"
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    echo "usage: wine_prefix.sh start|stop PREFIX" >&2
    exit 2
    ;;
esac
