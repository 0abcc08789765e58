#!/bin/bash
# One line for a lane: CTest entries, and the GoogleTest tests run, passed,
# skipped and failed in its test programs; then what the lane ran is held against
# its entries in tests/expected-entries.txt. Exits 1, naming them, when an expected
# entry did not pass (it is missing, failed or skipped) or an entry ran unlisted.
#   test-summary.sh <LastTest.log> <CTest's output> <lane title> <seconds> <lane> [<expected list>]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lane=$5
expected_list=${6:-$here/../tests/expected-entries.txt}
last_test_log=$1
[ -f "$last_test_log" ] || last_test_log=/dev/null # CTest did not start
entries=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$2" | tail -1 || true)

# Each entry CTest finished, with its result: "name<TAB>Passed", "name<TAB>Skipped", ...
results=$(sed -nE 's/^ *[0-9]+\/[0-9]+ +Test +#[0-9]+: ([^ ]+) [. ]*(\*\*\*)?(.*[^ ]) +[0-9.]+ sec$/\1\t\3/p' "$2")
expected=$(awk -v lane="$lane" '!/^#/ { for (i = 2; i <= NF; i++) if ($i == lane) print $1 }' \
  "$expected_list")
[ -n "$expected" ] || { echo "test-summary: no entries for lane $lane in $expected_list" >&2; exit 1; }
problems=$(awk -F'\t' -v list="$(basename "$expected_list")" '
  NR == FNR { want[$1] = 1; next }
  { got[$1] = $2 }
  END {
    for (e in want) {
      if (!(e in got)) print "  " e ": expected, did not run"
      else if (got[e] != "Passed") print "  " e ": expected to pass, " got[e]
    }
    for (e in got) if (!(e in want)) print "  " e ": ran, not listed in " list
  }' <(echo "$expected") <(echo "$results") | sort)
passing=$(($(echo "$expected" | wc -l) - $(grep -c ': expected' <<<"$problems" || true)))

awk -v title="$3" -v seconds="$4" -v entries="$entries" -v passing="$passing" \
  -v listed="$(echo "$expected" | wc -l)" '
  /^\[==========\] [0-9]+ tests? from .* ran\./ { programs++; ran += $2 }
  /^\[  PASSED  \] [0-9]+ tests?\./ { passed += $4 }
  /^\[  SKIPPED \] [0-9]+ tests?,/ { skipped += $4 }
  /^\[  FAILED  \] [0-9]+ tests?,/ { failed += $4 }
  END {
    split(entries, e, " ")
    printf "%s: %d tests run in %d programs: %d passed, %d skipped, %d failed; CTest: %d of %d entries failed, %d of %d expected entries passed (%dm%02ds)\n",
      title, ran, programs, passed, skipped, failed, e[1], e[6], passing, listed, seconds / 60, seconds % 60
  }' "$last_test_log"
if [ -n "$problems" ]; then
  echo "$problems"
  exit 1
fi
