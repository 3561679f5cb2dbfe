#!/usr/bin/env bash
# Every page of the help project exists, every link between the pages leads to a page that is
# compiled into the help file, and the contents and index name only such pages.
#   help_pages_test.sh HELP_SOURCE_DIR
set -euo pipefail
cd "$1"

listed=$(sed -n '/^\[FILES\]/,/^\[/p' gapwise.hhp | grep -v '^\[' | tr -d '\r' | grep . || true)
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for file in $listed; do
  [ -f "$file" ] || fail "gapwise.hhp lists $file, which does not exist"
done
for page in *.html; do
  grep -qxF "$page" <<<"$listed" || fail "$page is not listed in gapwise.hhp"
  grep -qi '<title>[^<]' "$page" || fail "$page has no title"
done
for source in *.html contents.hhc index.hhk; do
  targets=$(grep -o -i -E '(href|value)="[^"#]*\.(html?|css)"' "$source" | sed 's/.*="//; s/"$//' || true)
  for target in $targets; do
    grep -qxF "$target" <<<"$listed" || fail "$source links to $target, which is not compiled in"
  done
done

[ "$failures" -eq 0 ] || exit 1
echo "Help pages and links are consistent."
