#!/usr/bin/env bash
# The README shows the program's own setup sheet for its example answers: every line of the
# sheet the program writes (committed beside the sheet's tests) stands in README.md as it is.
#   readme_sheet.sh README.md SHEET
set -euo pipefail
readme=${1:?usage: readme_sheet.sh README.md SHEET}
sheet=${2:?usage: readme_sheet.sh README.md SHEET}
missing=0
while IFS= read -r line; do
  [ -z "$line" ] && continue
  if ! grep -qxF -- "$line" "$readme"; then
    echo "FAIL: README.md does not show this line of the setup sheet: $line"
    missing=1
  fi
done <"$sheet"
[ "$missing" = 0 ] && echo "PASS: README.md shows the setup sheet"
exit "$missing"
