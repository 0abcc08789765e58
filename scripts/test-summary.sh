#!/bin/bash
# One line for a lane from CTest's log: programs and GoogleTest tests run, passed,
# skipped and failed.
#   test-summary.sh <LastTest.log> <lane title> <seconds>
set -euo pipefail
awk -v title="$2" -v seconds="$3" '
  /^\[==========\] [0-9]+ tests? from .* ran\./ { programs++; ran += $2 }
  /^\[  PASSED  \] [0-9]+ tests?\./ { passed += $4 }
  /^\[  SKIPPED \] [0-9]+ tests?,/ { skipped += $4 }
  /^\[  FAILED  \] [0-9]+ tests?,/ { failed += $4 }
  END {
    printf "%s: %d tests run in %d programs: %d passed, %d skipped, %d failed (%dm%02ds)\n",
      title, ran, programs, passed, skipped, failed, seconds / 60, seconds % 60
  }' "$1"
