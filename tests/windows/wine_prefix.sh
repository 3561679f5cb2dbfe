#!/usr/bin/env bash
# The private Wine prefix of a test run, never the user's ~/.wine.
#   wine_prefix.sh start PREFIX    make a new prefix (any old one is removed first)
#   wine_prefix.sh windows PREFIX  the same for the window tests, on the test run's X display:
#                                  with every process of the prefix on that display, Wine's
#                                  desktop process is too (a process without a display, starting
#                                  it first, would leave the windows without a driver); Times New
#                                  Roman is drawn with Liberation Serif (a face with the same
#                                  metrics), and Wine frames top-level windows itself, as Xvfb
#                                  has no window manager (with one expected, Wine waits up to two
#                                  seconds for it each time a window is hidden)
#   wine_prefix.sh stop PREFIX     end the prefix's wineserver and the programs still in it
set -euo pipefail
command=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case "$command" in
  start | windows)
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    start=$(date +%s)
    wineboot -i
    if [ "$command" = windows ]; then
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /d 'Liberation Serif' /f
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    fi
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot made no prefix in $WINEPREFIX" >&2; exit 1; }
    echo "Wine prefix $WINEPREFIX ready in $(($(date +%s) - start)) s ($(wine --version))"
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    echo "usage: wine_prefix.sh start|windows|stop PREFIX" >&2
    exit 2
    ;;
esac
