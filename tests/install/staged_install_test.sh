#!/usr/bin/env bash
# Installs the build into temporary folders, once staged with DESTDIR under the prefix /usr and
# once straight into a prefix whose path holds a blank, and checks each tree: the program, the
# help file in the installation folder that the machine-wide hive names, the desktop entry, the
# icon and the AppStream metainfo, accepted by desktop-file-validate and appstreamcli.
#   staged_install_test.sh CMAKE BUILD_DIR BINDIR DATADIR
set -euo pipefail

cmake=$1
build=$2
bindir=$3
datadir=$4
id=example.ardentree.Gapwise
pages=(index playing addition subtraction multiplication division answers keys countdown
  options score)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

expect_file() {  # expect_file PATH
  [ -f "$1" ] && [ -s "$1" ] || fail "missing or empty: $1"
}

# The Exec value that names PROGRAM, quoted when its path holds a blank.
exec_value() {
  case "$1" in
    *' '*) printf '"%s"' "$1" ;;
    *) printf '%s' "$1" ;;
  esac
}

check_help() {  # check_help ROOT PREFIX
  local folder=$1$2/$datadir/gapwise
  local chm=$folder/gapwise.chm
  expect_file "$chm"
  [ "$(head -c 4 "$chm" 2>/dev/null)" = ITSF ] || fail "not a Compiled HTML Help file: $chm"
  for page in "${pages[@]}"; do
    grep -aq "/$page.html" "$chm" || fail "$chm lacks the page $page.html"
  done
  expect_file "$folder/machine.reg"
  grep -qxF "\"AppPath\"=\"$2/$datadir/gapwise\"" <(tr -d '\r' <"$folder/machine.reg") ||
    fail "machine.reg does not name $2/$datadir/gapwise as AppPath"
}

# The installed dealer reads the settings as the game does: its installation folder must hold
# the help file, which is where "?" looks for it.
check_install_folder() {  # check_install_folder PREFIX
  local line folder
  line=$(XDG_CONFIG_HOME="$work/config" "$1/$bindir/gapwise-deal" --show-settings) ||
    { fail "gapwise-deal --show-settings failed"; return; }
  folder=$(sed -n 's/.*"installFolder":"\([^"]*\)".*/\1/p' <<<"$line")
  [ "$folder" = "$1/$datadir/gapwise" ] || fail "installation folder is '$folder'"
  [ -f "$folder/gapwise.chm" ] || fail "no help file in the installation folder '$folder'"
}

check_desktop() {  # check_desktop ROOT PREFIX
  local top=$1$2
  local desktop=$top/$datadir/applications/$id.desktop
  local icon=$top/$datadir/icons/hicolor/scalable/apps/$id.svg
  local metainfo=$top/$datadir/metainfo/$id.metainfo.xml
  [ -x "$top/$bindir/gapwise" ] || fail "no program at $top/$bindir/gapwise"
  expect_file "$desktop"
  expect_file "$icon"
  expect_file "$metainfo"
  grep -qxF "Exec=$(exec_value "$2/$bindir/gapwise")" "$desktop" || fail "Exec line of $desktop"
  grep -qxF "Icon=$id" "$desktop" || fail "Icon line of $desktop"
  grep -q '<svg[ >]' "$icon" || fail "$icon is no SVG"
  grep -qF "<id>$id</id>" "$metainfo" || fail "component id in $metainfo"
  grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "launchable in $metainfo"
  local report
  report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
  [ -z "$report" ] || fail "desktop-file-validate: $report"
  report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
  report=$(appstreamcli validate-tree --no-net "$top" 2>&1) || fail "appstreamcli tree: $report"
}

echo "Staged install: DESTDIR=$work/stage, prefix /usr"
DESTDIR="$work/stage" "$cmake" --install "$build" --prefix /usr >/dev/null
check_desktop "$work/stage" /usr
check_help "$work/stage" /usr

prefix="$work/with blank"
echo "Install into '$prefix'"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
check_desktop "" "$prefix"
check_help "" "$prefix"
check_install_folder "$prefix"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "All installed files are in place."
