#!/usr/bin/env bash
# The layering check can fail: in a copy of the sources, each of these breaches alone makes it
# fail and name the file, and the copy without them passes.
#   layers_check_test.sh SOURCE_ROOT
set -uo pipefail
root=$(cd "$1" && pwd)
check=$root/tests/layers/layers_check.sh
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
passed=0
failed=0
result() {  # result OK WHAT
  if [ "$1" = 0 ]; then echo "ok: $2"; passed=$((passed + 1)); else
    echo "FAILED: $2"; failed=$((failed + 1)); fi
}

fresh() {
  rm -rf "${copy:?}"/*
  (cd "$root" && git ls-files -z engine settings ui app deal tools tests web help 'CMakeLists.txt' cmake |
    xargs -0 cp --parents -t "$copy")
}

fresh
bash "$check" "$copy" >/dev/null
result $? "the sources as they are pass"

# FILE|LINE: the breach, put at the top of the file.
breaches=(
  'engine/game.h|#include <QtCore/QString>'
  'engine/game.cpp|#include "ui/toolkit/form.h"'
  'ui/forms/main_window.cpp|#include "ui/toolkit/qt/widget.h"'
  'ui/forms/main_window.cpp|#include <objbase.h>'
  'ui/forms/main_window.cpp|#ifdef _WIN32'
  'engine/game.cpp|#include <QString>'
  'settings/store.cpp|#if defined(__EMSCRIPTEN__)'
)
for breach in "${breaches[@]}"; do
  file=${breach%%|*}
  line=${breach#*|}
  fresh
  { echo "$line"; case "$line" in \#if*) echo '#endif' ;; esac; cat "$copy/$file"; } >"$copy/$file.new"
  mv "$copy/$file.new" "$copy/$file"
  output=$(bash "$check" "$copy" 2>&1)
  status=$?
  [ $status -ne 0 ] && grep -q "$file:1:" <<<"$output"
  result $? "fails for $line in $file"
done

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
