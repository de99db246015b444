#!/usr/bin/env bash
# Builds Quorvel and runs the whole test suite. Works on a fresh Debian 12
# machine: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)
