#!/bin/bash
# Builds everything (the shipped 32-bit programs with their tests, and the 64-bit
# test variant) and runs every test in two lanes: the 64-bit build under wine64,
# then the 32-bit build under 32-bit Wine in the 32-bit lane.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

echo "== installing packages"
bash scripts/install-deps.sh --lane32

echo "== preparing the 32-bit lane in build/lane32"
bash scripts/lane32-setup.sh build/lane32

echo "== building the shipped programs (i686) and their tests in build/x86"
cmake --preset x86 >/dev/null
cmake --build --preset x86 -j "$jobs"

echo "== building the test variant (x86_64) in build/x64"
cmake --preset x64 -DZELVANO_I686_DIR="$root/build/x86" >/dev/null
cmake --build --preset x64 -j "$jobs"

# Runs one lane's CTest; its summary, held against tests/expected-entries.txt,
# goes to build/<lane>.summary. A lane fails when CTest fails or an expected entry
# did not pass there (missing, failed, or skipped: a skip is not a pass).
run_lane() {
  local lane=$1 title=$2 tree=build/$1 started status=0
  started=$(date +%s)
  echo "== running the tests of $tree under $title"
  (cd "$tree" && ctest --output-on-failure --timeout 900) | tee "$tree.ctest.log" || status=$?
  bash scripts/test-summary.sh "$tree/Testing/Temporary/LastTest.log" "$tree.ctest.log" "$title" \
    $(($(date +%s) - started)) "$lane" >"$tree.summary" || status=1
  return $status
}

failed=0
run_lane x64 "wine64 (x86_64)" || failed=1
run_lane x86 "the 32-bit lane (i686)" || failed=1

echo "== tests run per lane"
cat build/x64.summary build/x86.summary
exit $failed
