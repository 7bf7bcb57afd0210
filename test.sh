#!/usr/bin/env bash
# Builds with warnings, AddressSanitizer and UndefinedBehaviorSanitizer
# (installing missing packages) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTESVIK_SANITIZE=ON -DTESVIK_BENCH=ON >/dev/null
cmake --build build/test -j"$(nproc)"
cd build/test
ctest --output-on-failure -j"$(nproc)"
