#!/usr/bin/env bash
# The real gapwise.exe under Wine, on the display and in the prefix that the test run set up
# (DISPLAY and WINEPREFIX given), watched and driven from another process by gapwise-probe.exe:
#   1. it opens "Gapwise" at 372, 171 with a 257 x 389 client area, a system menu, minimize and no
#      maximize, and loads a stored time limit;
#   2. the puzzle area is one window that draws its puzzle: a screenshot of the X screen has the
#      red mask over one or two columns of a line of digits, nothing black under it, and a rule
#      line (puzzle_pixels.py); a screen reader reads the puzzle area as one text;
#   3. the countdown stands still while Info is open and goes on after it; it stands still while
#      Options is open and restarts at the full limit after it;
#   4. Exit writes the six values under HKCU\Software\Ardentree\Gapwise with their types, and a
#      value stored there before stays;
#   5. the title bar's close saves nothing;
#   6. a uiautomationcore.dll planted beside the program is not loaded when it announces the first
#      puzzle (Wine told to prefer a DLL found on the search path, where the probe shows that a
#      load by the bare name takes the planted one).
#   program_test.sh GAPWISE_EXE PROBE_EXE OUTDIR PLANTED_DLL
set -uo pipefail
game=$1
probe_exe=$2
out=$3
planted_dll=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
key='HKCU\Software\Ardentree\Gapwise'
failures=0
rm -rf "$out"
mkdir -p "$out"

probe() { wine "$probe_exe" "$@" | tr -d '\r'; }  # Wine's console ends lines with CR LF
ok() { echo "ok: $*"; }
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
expect() {  # expect WHAT ACTUAL WANTED
  if [ "$2" = "$3" ]; then ok "$1: $2"; else fail "$1: $2, wanted $3"; fi
}
start_game() {
  wine "$game" >"$out/game.log" 2>&1 &
  game_pid=$!
  probe wait Gapwise 60 || { fail "no window \"Gapwise\""; exit 1; }
}
wait_exit() {  # true once the game has ended, within ten seconds
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill "$game_pid" 2>/dev/null
  return 1
}
seconds_left() {  # Label13, the bold red seconds in the score area, as a screen reader reads it
  probe read Gapwise | sed -n 's/^part .*\tname=Time left: \([-0-9]*\)\t.*/\1/p'
}
trap 'kill "${game_pid:-0}" 2>/dev/null' EXIT

# 1. The window, with a stored time limit of 45 seconds and a value the game does not know.
wine reg delete 'HKCU\Software\Ardentree' /f >/dev/null 2>&1
wine reg add "$key" /v timelimit /t REG_DWORD /d 45 /f >/dev/null
wine reg add "$key" /v kept /t REG_SZ /d "stored before" /f >/dev/null
start_game
# Asked again while the probe, itself a Wine process, finds no window yet on a busy machine.
for _ in 1 2 3 4 5; do
  probe window Gapwise >"$out/window.txt"
  grep -q '^client ' "$out/window.txt" && break
  sleep 1
done
cat "$out/window.txt"
expect "client area" "$(sed -n 's/^client //p' "$out/window.txt")" "257 389"
expect "frame at" "$(awk '/^frame/ { print $2, $3 }' "$out/window.txt")" "372 171"
expect "title-bar buttons" "$(sed -n 's/^\(sysmenu.*sizable [01]\).*/\1/p' "$out/window.txt")" \
  "sysmenu 1 minimize 1 maximize 0 sizable 0"
first=$(seconds_left)
# Read through the screen reader's interface, which takes a few seconds on a busy machine; the
# default limit would show 30 or less.
if [ -n "$first" ] && [ "$first" -le 45 ] && [ "$first" -ge 36 ]; then
  ok "the stored time limit counts down: $first"; else
  fail "the countdown shows \"$first\", wanted 45 (or a few seconds less)"; fi

# 2. The puzzle on the screen and for a screen reader.
probe controls Gapwise >"$out/controls.txt"
import -window root "$out/screen.png"
convert "$out/screen.png" "$out/screen.ppm"
origin=$(sed -n 's/^origin //p' "$out/window.txt")
convert "$out/screen.png" -crop "257x389+${origin% *}+${origin#* }" +repage "$out/client.png"
python3 "$here/puzzle_pixels.py" "$out/screen.ppm" "$out/window.txt" "$out/controls.txt" ||
  fail "the puzzle's pixels (see $out/client.png)"
rm -f "$out/screen.ppm"
probe read Gapwise >"$out/read.txt"
reading=$(awk -F'\t' '$1 ~ / 0 0 role 41$/ && $2 ~ /question mark/ { print $2 }' "$out/read.txt")
if [ -n "$reading" ]; then ok "the puzzle area reads as one text: ${reading#name=}"; else
  fail "no reading of the puzzle area (see $out/read.txt)"; fi

# 3. Info and Options pause the countdown.
probe click Gapwise Info && probe wait Info 10 || fail "Info did not open"
before=$(seconds_left)
sleep 2.5
after=$(seconds_left)
expect "seconds left while Info is open" "$after" "$before"
probe click Info OK && probe gone Info 10 || fail "Info did not close"
sleep 2.2
went_on=$(seconds_left)
if [ -n "$went_on" ] && [ "$went_on" -lt "$after" ]; then
  ok "the countdown goes on after Info: $after, then $went_on"; else
  fail "the countdown stood at $went_on after Info (was $after)"; fi
probe click Gapwise Options && probe wait Options 10 || fail "Options did not open"
before=$(seconds_left)
sleep 2.5
after=$(seconds_left)
expect "seconds left while Options is open" "$after" "$before"
probe click Options Cancel && probe gone Options 10 || fail "Options did not close"
sleep 0.3
restarted=$(seconds_left)
# The countdown has run for more than five seconds outside the dialogs by now: one that went on
# would show 40 or less.
case "$restarted" in 45 | 44 | 43) ok "after Options the countdown starts again: $restarted" ;;
  *) fail "after Options the countdown shows $restarted, wanted 45 (or a second or two less)" ;; esac

# 4. Exit saves the six values with their types, over what was stored.
probe click Gapwise Exit || fail "no Exit"
wait_exit && ok "Exit ends the program" || fail "the program did not end after Exit"
wine reg query "$key" >"$out/after-exit.txt" 2>&1
tr -d '\r' <"$out/after-exit.txt" | sed -n 's/^ *//p' | sort >"$out/values.txt"
expected=$(printf '%s\n' "checked REG_DWORD 0x4" "kept REG_SZ stored before" \
  "multc REG_DWORD 0x0" "ops REG_BINARY 00010203" "showr REG_DWORD 0x1" \
  "timelimit REG_DWORD 0x2d" "tlimited REG_DWORD 0x1")
actual=$(sed -E 's/ {2,}|\t/ /g; s/ +$//' "$out/values.txt" | grep -v '^HKEY' | grep -v '^$')
if [ "$actual" = "$expected" ]; then ok "Exit wrote:" $actual; else
  fail "after Exit the key holds:"; echo "$actual"; echo "wanted:"; echo "$expected"; fi

# 5. The title bar's close saves nothing.
wine reg delete 'HKCU\Software\Ardentree' /f >/dev/null 2>&1
start_game
probe close Gapwise
wait_exit && ok "the title bar's close ends the program" || fail "the program did not end"
if wine reg query "$key" >/dev/null 2>&1; then fail "the title bar's close saved settings"; else
  ok "the title bar's close saved nothing"; fi

# 6. Only the system's DLL is loaded: the first puzzle is announced a second after the window shows.
planted=$out/planted
mkdir -p "$planted"
cp "$game" "$probe_exe" "$planted_dll" "$planted/"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}uiautomationcore=n,b"
game=$planted/$(basename "$game")
start_game
sleep 3
probe close Gapwise
wait_exit || fail "the program in $planted did not end"
if [ -e "$planted/planted.loaded" ]; then fail "the program loaded the DLL planted beside it"; else
  ok "the DLL planted beside the program was not loaded"; fi
(cd "$planted" && wine "./$(basename "$probe_exe")" load uiautomationcore.dll)
if [ -e "$planted/planted.loaded" ]; then ok "a load by the bare name takes the planted DLL"; else
  fail "the planted DLL is not found by a load by its bare name: the check above proves nothing"; fi

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
