#!/bin/bash
# One line for a lane: CTest entries, and the GoogleTest tests run, passed,
# skipped and failed in its test programs.
#   test-summary.sh <LastTest.log> <CTest's output> <lane title> <seconds>
set -euo pipefail
entries=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$2" | tail -1 || true)
awk -v title="$3" -v seconds="$4" -v entries="$entries" '
  /^\[==========\] [0-9]+ tests? from .* ran\./ { programs++; ran += $2 }
  /^\[  PASSED  \] [0-9]+ tests?\./ { passed += $4 }
  /^\[  SKIPPED \] [0-9]+ tests?,/ { skipped += $4 }
  /^\[  FAILED  \] [0-9]+ tests?,/ { failed += $4 }
  END {
    split(entries, e, " ")
    printf "%s: %d tests run in %d programs: %d passed, %d skipped, %d failed; CTest: %d of %d entries failed (%dm%02ds)\n",
      title, ran, programs, passed, skipped, failed, e[1], e[6], seconds / 60, seconds % 60
  }' "$1"
