#!/usr/bin/env bash
# The private Wine prefix of a test run, never the user's ~/.wine.
#   wine_prefix.sh start PREFIX   make a new prefix (any old one is removed first)
#   wine_prefix.sh stop PREFIX    end the prefix's wineserver and the programs still in it
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
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot made no prefix in $WINEPREFIX" >&2; exit 1; }
    echo "Wine prefix $WINEPREFIX ready in $(($(date +%s) - start)) s ($(wine --version))"
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    echo "usage: wine_prefix.sh start|stop PREFIX" >&2
    exit 2
    ;;
esac
