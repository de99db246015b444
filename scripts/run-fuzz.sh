#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ with clang and runs each for
# SECONDS seconds (default 20), one after the other, on a copy of its seed
# corpus in a temporary directory. Fails on any crash, leak or timeout and
# then keeps that directory with the log and the input that broke.
# Usage: scripts/run-fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

seconds=${1:-20}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQUORVEL_FUZZ=ON -DQUORVEL_GUI=OFF \
  -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_convert fuzz_format fuzz_request

work=$(mktemp -d /tmp/quorvel-fuzz.XXXXXX)
# Inputs longer than this add nothing: one 10-byte value and a flags byte;
# one text; thirteen short fields (and each request may run the models).
declare -A max_len=([convert]=256 [format]=11 [request]=256)

failed=0
for target in convert format request; do
  dir=$work/$target
  mkdir -p "$dir/corpus" "$dir/artifacts"
  cp -r "fuzz/corpus/$target/." "$dir/corpus/"
  status=0
  (cd "$dir" && "$repo/build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" \
    -max_len="${max_len[$target]}" -timeout=10 -artifact_prefix="$dir/artifacts/" \
    corpus >log 2>&1) || status=$?
  done_line=$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$dir/log" | tail -n 1 || true)
  if [[ $status -eq 0 && -n $done_line && -z $(ls -A "$dir/artifacts") ]]; then
    echo "fuzz_$target: $done_line"
  else
    echo "fuzz_$target: FAILED (exit status $status)"
    tail -n 40 "$dir/log"
    failed=1
  fi
done

if [[ $failed -ne 0 ]]; then
  echo "logs and inputs kept in $work"
  exit 1
fi
rm -rf "$work"
