#!/usr/bin/env bash
# The Windows programs are linked statically: each imports only DLLs that come with Windows, none
# of the compiler's (libstdc++, libgcc, libwinpthread); and each is built for the processor of its
# build (FORMAT: pei-i386 for the 32-bit programs, pei-x86-64 for the 64-bit ones).
#   imports_test.sh OBJDUMP FORMAT PROGRAM...
set -uo pipefail
objdump=$1
format=$2
shift 2
# Windows' own DLLs that a Win32 program of this kind may use.
system='^(kernel32|advapi32|msvcrt|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|uxtheme|dwmapi|imm32|winmm|version|uiautomationcore|oleacc)\.dll$'
status=0
for program in "$@"; do
  if ! "$objdump" -f "$program" | grep -q "file format $format\$"; then
    echo "FAILED: $(basename "$program") is not $format:" $("$objdump" -f "$program" | grep format)
    status=1
  fi
  dlls=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
  [ -n "$dlls" ] || { echo "FAILED: no imports read from $program"; status=1; continue; }
  foreign=$(echo "$dlls" | tr 'A-Z' 'a-z' | grep -vE "$system")
  if [ -n "$foreign" ]; then
    echo "FAILED: $(basename "$program") needs DLLs that Windows does not have:" $foreign
    status=1
  else
    echo "ok: $(basename "$program") imports only" $dlls
  fi
done
exit $status
