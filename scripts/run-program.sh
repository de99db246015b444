#!/usr/bin/env bash
# Builds Quorvel and starts the desktop program. Works on a fresh Debian 12
# machine: it installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target quorvel
exec build/app/quorvel "$@"
