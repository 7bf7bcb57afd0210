#!/usr/bin/env bash
# Builds an optimised tesvik (installing missing packages) and starts it;
# arguments pass through, e.g. ./run.sh --batch script.batch
# ./run.sh --web ARGS builds the browser edition instead (installing
# emscripten) and runs its batch runner under Node, e.g.
# ./run.sh --web --batch script.batch
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--web" ]; then
  shift
  scripts/web-build.sh tesvik-batch
  exec node build/web/tesvik-batch.js "$@"
fi
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTESVIK_TESTS=OFF -DTESVIK_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target tesvik >/dev/null
exec build/release/tesvik "$@"
