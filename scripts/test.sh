#!/bin/bash
# Builds everything (the shipped 32-bit programs and the 64-bit test variant)
# and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

echo "== installing packages"
bash scripts/install-deps.sh

echo "== building the shipped programs (i686) in build/x86"
cmake -S . -B build/x86 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686.cmake \
  -DZELVANO_BUILD_TESTS=OFF -DZELVANO_WERROR=ON >/dev/null
cmake --build build/x86 -j "$jobs"

echo "== building the test variant (x86_64) in build/x64"
cmake -S . -B build/x64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64.cmake \
  -DZELVANO_WERROR=ON -DZELVANO_I686_DIR="$root/build/x86" >/dev/null
cmake --build build/x64 -j "$jobs"

echo "== running the tests under wine64"
cd build/x64
ctest --output-on-failure --timeout 900
