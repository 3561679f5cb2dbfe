#!/usr/bin/env bash
# One X display (Xvfb, 1024 x 768, 24 bits) for the Windows window tests of a test run, so that
# every Wine program of the run shows its windows on the same display.
#   with_display.sh start DIR           start Xvfb and note its display number and process in DIR
#   with_display.sh run DIR COMMAND...  run the command on that display
#   with_display.sh stop DIR            end that Xvfb
set -euo pipefail
command=$1
dir=$2
shift 2
case "$command" in
  start)
    [ -f "$dir/pid" ] && kill "$(cat "$dir/pid")" 2>/dev/null || true
    rm -rf "$dir"
    mkdir -p "$dir"
    # Detached from the test's output, so that CTest does not wait for the server to end.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/number" \
      </dev/null >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/pid"
    for _ in $(seq 100); do
      [ -s "$dir/number" ] && break
      sleep 0.1
    done
    [ -s "$dir/number" ] || { echo "Xvfb did not start:"; cat "$dir/xvfb.log"; exit 1; }
    echo "Xvfb on :$(cat "$dir/number")"
    ;;
  run)
    [ -s "$dir/number" ] || { echo "no display: run the test win32.display first" >&2; exit 1; }
    DISPLAY=:$(tr -d '\n' <"$dir/number") exec "$@"
    ;;
  stop)
    [ -f "$dir/pid" ] && kill "$(cat "$dir/pid")" 2>/dev/null || true
    rm -f "$dir/pid" "$dir/number"
    ;;
  *)
    echo "usage: with_display.sh start|run|stop DIR [COMMAND...]" >&2
    exit 2
    ;;
esac
