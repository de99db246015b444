#!/usr/bin/env bash
# Builds Quorvel and runs the whole test suite: the plain build, the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run
# of each fuzz target. Works on a fresh Debian 12 machine: it installs what it
# needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON
cmake --build build -j2
(cd build && ctest --output-on-failure -j2) | tee build/ctest.log

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON \
  -DQUORVEL_SANITIZE=ON -DQUORVEL_BENCH=OFF
cmake --build build-asan -j2
(cd build-asan && ctest --output-on-failure -j2) | tee build-asan/ctest.log

echo "== short fuzz runs (scripts/run-fuzz.sh SECONDS runs them longer)"
bash scripts/run-fuzz.sh 15

# One closing line for both CTest runs (each ends "N tests failed out of M").
totals=$(sed -nE 's/.* ([0-9]+) tests failed out of ([0-9]+)$/\1 \2/p' build/ctest.log build-asan/ctest.log |
  awk '{ failed += $1; total += $2 } END { print total - failed, failed }')
read -r passed failed <<<"$totals"
echo "tests: $passed passed, $failed failed"
