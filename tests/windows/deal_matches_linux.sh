#!/usr/bin/env bash
# The Windows dealer, run under Wine, prints the same bytes as the Linux dealer, and exits with
# the same status, for a few seeds and options, for errors, and for --show-settings over the same
# stored settings: in a hive file for the Linux one, in Wine's registry for the Windows one.
#   deal_matches_linux.sh LINUX_DEAL WINDOWS_DEAL SCRATCH_FOLDER
# Runs in the Wine prefix that WINEPREFIX names; clears HKCU\Software\Ardentree\Gapwise there.
set -uo pipefail
linux=$1
windows=$2
scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch/xdg/gapwise"
export XDG_CONFIG_HOME=$scratch/xdg
hive=$XDG_CONFIG_HOME/gapwise/registry.reg
key='HKCU\Software\Ardentree\Gapwise'
passed=0
failed=0

compare() {  # compare NAME ARGUMENT...
  local name=$1
  shift
  "$linux" "$@" >"$scratch/$name.linux.out" 2>"$scratch/$name.linux.err"
  local linuxStatus=$?
  wine "$windows" "$@" >"$scratch/$name.windows.out" 2>"$scratch/$name.windows.err"
  local windowsStatus=$?
  if [ $linuxStatus -eq $windowsStatus ] &&
    cmp -s "$scratch/$name.linux.out" "$scratch/$name.windows.out" &&
    cmp -s "$scratch/$name.linux.err" "$scratch/$name.windows.err"; then
    printf 'same: %-22s exit %d, %6d bytes out, %3d bytes err\n' "$name" $linuxStatus \
      "$(wc -c <"$scratch/$name.linux.out")" "$(wc -c <"$scratch/$name.linux.err")"
    passed=$((passed + 1))
  else
    echo "DIFFERENT: $name ($*): exit $linuxStatus on Linux, $windowsStatus on Windows"
    diff "$scratch/$name.linux.out" "$scratch/$name.windows.out" | head -5
    diff "$scratch/$name.linux.err" "$scratch/$name.windows.err" | head -5
    failed=$((failed + 1))
  fi
}

# The same values in both stores: "reg add" arguments, and the hive file's lines.
store() {  # store HIVE_LINE... -- REG_ADD_ARGUMENTS...  (one value per "reg add", split by ;)
  local lines=()
  while [ "$1" != "--" ]; do lines+=("$1"); shift; done
  shift
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise]\r\n' >"$hive"
  for line in "${lines[@]}"; do printf '%s\r\n' "$line" >>"$hive"; done
  wine reg delete "$key" /f >/dev/null 2>&1
  local value=()
  for word in "$@" ";"; do
    if [ "$word" = ";" ]; then
      wine reg add "$key" "${value[@]}" /f >/dev/null || echo "reg add ${value[*]} failed"
      value=()
    else
      value+=("$word")
    fi
  done
}

forget() {
  rm -f "$hive"
  wine reg delete "$key" /f >/dev/null 2>&1
  wine reg delete 'HKLM\Software\Ardentree\Gapwise' /f >/dev/null 2>&1
}

forget
compare seed1 --seed 1 --count 25
compare seed42-choices --seed 42 --count 40 --kinds 2,3 --multiple-choice
compare seed-max-layout --seed 4294967295 --count 30 --layout
compare seed7-all --seed=7 --count=50 --multiple-choice --layout
compare seed0-subtraction --seed 0 --count 20 --kinds 1
compare division-pairs --seed 2026 --count 60 --kinds 3,3
compare no-seed --count 2
compare bad-kinds --seed 3 --kinds 5
compare defaults --show-settings

store '"tlimited"=dword:00000000' '"multc"=dword:00000001' '"timelimit"=dword:ffffffff' \
  '"checked"=dword:00000102' '"ops"=hex:03,02' -- \
  /v tlimited /t REG_DWORD /d 0 ";" /v multc /t REG_DWORD /d 1 ";" \
  /v timelimit /t REG_DWORD /d 4294967295 ";" /v checked /t REG_DWORD /d 258 ";" \
  /v ops /t REG_BINARY /d 0302
compare stored --show-settings
compare stored-deal --show-settings --seed 9 --count 12

store '"showr"=dword:00000000' '"timelimit"="12345"' -- \
  /v showr /t REG_DWORD /d 0 ";" /v timelimit /t REG_SZ /d 12345
compare load-error --show-settings --seed 9

store '"ops"=dword:00000003' -- /v ops /t REG_DWORD /d 3
compare ops-as-dword --show-settings

forget
echo "$passed passed, $failed failed"
[ $failed -eq 0 ] && [ $passed -gt 0 ]
