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
cmake -S . -B build/x86 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686.cmake \
  -DZELVANO_BUILD_TESTS=ON -DZELVANO_WERROR=ON -DZELVANO_LANE32_DIR="$root/build/lane32" >/dev/null
cmake --build build/x86 -j "$jobs"

echo "== building the test variant (x86_64) in build/x64"
cmake -S . -B build/x64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64.cmake \
  -DZELVANO_WERROR=ON -DZELVANO_I686_DIR="$root/build/x86" >/dev/null
cmake --build build/x64 -j "$jobs"

# Runs one lane's CTest; its summary line goes to build/<lane>-summary.
run_lane() {
  local tree=$1 title=$2 started status=0
  started=$(date +%s)
  echo "== running the tests of $tree under $title"
  (cd "$tree" && ctest --output-on-failure --timeout 900) | tee "$tree.ctest.log" || status=$?
  bash scripts/test-summary.sh "$tree/Testing/Temporary/LastTest.log" "$tree.ctest.log" "$title" \
    $(($(date +%s) - started)) >"$tree.summary"
  return $status
}

failed=0
run_lane build/x64 "wine64 (x86_64)" || failed=1
run_lane build/x86 "the 32-bit lane (i686)" || failed=1

echo "== tests run per lane"
cat build/x64.summary build/x86.summary
exit $failed
