#!/usr/bin/env bash
# The installer under Wine, silently (/S), in a new Wine prefix of its own: it installs the files
# into Program Files\Ardentree\Gapwise, writes HKLM AppPath (which the installed dealer then
# reads), adds the Start-menu shortcut and the Add/Remove Programs entry; the uninstaller, also
# silent, removes the files, the shortcut and the HKLM keys, and keeps the user's HKCU settings.
# Then the same into a folder whose name is not ASCII (/D=C:\Übungen\Gapwise).
#   installer_test.sh SETUP_EXE PREFIX HAS_GAME DEAL_EXE HELP_FILE
# HAS_GAME is 1 when the installer carries gapwise.exe (and so the shortcut).
set -uo pipefail
setup=$1
export WINEPREFIX=$2
hasGame=$3
deal=$4
help=$5
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Names that are not ASCII pass between the shell and Wine as UTF-8.
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bash "$here/wine_prefix.sh" start "$WINEPREFIX" || exit 1
trap 'bash "$here/wine_prefix.sh" stop "$WINEPREFIX"' EXIT

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    passed=$((passed + 1))
  else
    echo "FAILED: $what"
    failed=$((failed + 1))
  fi
}
# The data of one registry value as "TYPE DATA", nothing when it is missing (reg writes in the
# console's code page, 437 in the C.UTF-8 locale).
query() {  # query KEY VALUE
  wine reg query "$1" /v "$2" 2>/dev/null | iconv -f CP437 -t UTF-8 | tr -d '\r' |
    awk -v name="$2" '$1 == name { $1 = ""; sub(/^ +/, ""); print }'
}
has_key() { wine reg query "$1" >/dev/null 2>&1; }
no_key() { ! has_key "$1"; }
# Whether a file holds a text, in UTF-16 or in UTF-8.
has_text() {  # has_text FILE TEXT
  python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); t = sys.argv[2]
sys.exit(not (t.encode("utf-16-le") in d or t.encode() in d))' "$1" "$2"
}
same() { [ "$1" = "$2" ] || { echo "  got '$1', expected '$2'"; false; }; }

appKey='HKLM\Software\Ardentree\Gapwise'
uninstallKey='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Gapwise'
userKey='HKCU\Software\Ardentree\Gapwise'
shortcut=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Gapwise.lnk

# The user's settings from before, which the uninstaller must leave.
wine reg add "$userKey" /v timelimit /t REG_DWORD /d 12 /f >/dev/null

# install_and_remove FOLDER [/D=FOLDER]: the installer into FOLDER (its Windows path), then the
# uninstaller.
install_and_remove() {
  local folderWin=$1
  shift
  local folder
  folder=$(winepath -u "$folderWin" 2>/dev/null)
  folder=${folder%/}
  start=$(date +%s%N)
  wine "$setup" /S "$@"
  status=$?
  echo "installed in $((($(date +%s%N) - start) / 1000000)) ms"
  check "the installer exits 0" same "$status" 0
  check "gapwise-deal.exe installed" cmp "$deal" "$folder/gapwise-deal.exe"
  check "gapwise.chm installed" cmp "$help" "$folder/gapwise.chm"
  check "uninstall.exe installed" test -f "$folder/uninstall.exe"
  check "AppPath is the folder, REG_SZ" same "$(query "$appKey" AppPath)" "REG_SZ $folderWin"
  check "Add/Remove Programs entry" same "$(query "$uninstallKey" DisplayName)" "REG_SZ Gapwise"
  check "its uninstaller" same "$(query "$uninstallKey" UninstallString)" \
    "REG_SZ \"$folderWin\\uninstall.exe\""
  check "its silent uninstaller" same "$(query "$uninstallKey" QuietUninstallString)" \
    "REG_SZ \"$folderWin\\uninstall.exe\" /S"
  if [ "$hasGame" = 1 ]; then
    check "gapwise.exe installed" test -f "$folder/gapwise.exe"
    check "Start-menu shortcut" test -f "$shortcut"
    check "the shortcut starts gapwise.exe" has_text "$shortcut" "$folderWin\gapwise.exe"
  else
    echo "note: this installer carries no gapwise.exe yet (no Win32 toolkit backend in the build)"
    check "no gapwise.exe" test ! -e "$folder/gapwise.exe"
    check "no shortcut without the program" test ! -e "$shortcut"
  fi
  # The installed dealer reads AppPath from HKLM and the settings from HKCU, as the game does.
  # It runs from there, and prints the folder in UTF-8.
  shown=$(cd "$folder" && wine ./gapwise-deal.exe --show-settings)
  check "the installed dealer reads both keys" same "$shown" \
    '{"tlimited":true,"showr":true,"multc":false,"timelimit":12,"checked":4,"ops":[0,1,2,3],"installFolder":"'"${folderWin//\\/\\\\}"'"}'

  # The uninstaller copies itself away and runs from there: wait for the prefix to go quiet.
  wine "$folder/uninstall.exe" /S
  status=$?
  wineserver -w
  check "the uninstaller exits 0" same "$status" 0
  check "the installation folder is gone" test ! -e "$folder"
  if [ $# -eq 0 ]; then
    check "the maker's folder is gone" test ! -e "$(dirname "$folder")"
  fi
  check "no shortcut left" test ! -e "$shortcut"
  check "the HKLM key is gone" no_key "$appKey"
  check "the maker's HKLM key is gone" no_key 'HKLM\Software\Ardentree'
  check "the Add/Remove Programs entry is gone" no_key "$uninstallKey"
}

install_and_remove 'C:\Program Files\Ardentree\Gapwise'
install_and_remove 'C:\Übungen\Gapwise' '/D=C:\Übungen\Gapwise'
check "the user's settings stay" same "$(query "$userKey" timelimit)" "REG_DWORD 0xc"

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
