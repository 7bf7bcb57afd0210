#!/usr/bin/env bash
# Builds an optimised tesvik (installing missing packages) and starts it;
# arguments pass through, e.g. ./run.sh --batch script.batch
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTESVIK_TESTS=OFF -DTESVIK_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target tesvik >/dev/null
exec build/release/tesvik "$@"
