#!/usr/bin/env bash
# Builds with warnings, AddressSanitizer and UndefinedBehaviorSanitizer
# (installing missing packages) and runs every test, each fuzz target for a
# while among them; then builds the Release tree, runs each benchmark once
# in a short mode, builds the browser edition, compares it with the native
# build and tests its page in Chromium, and builds and checks the Debian
# package.
#   TESVIK_FUZZ_SECONDS   seconds per fuzz target (default 5)
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
echo "== Layout of the C++ sources (clang-format)"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
# Line tables are all the debug information a sanitizer's report needs.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTESVIK_SANITIZE=ON -DTESVIK_BENCH=OFF \
  -DTESVIK_WHOLE_BUILD=ON -DTESVIK_FUZZ_SECONDS="${TESVIK_FUZZ_SECONDS:-5}" >/dev/null
cmake --build build/test -j"$(nproc)"
(cd build/test && ctest --output-on-failure -j"$(nproc)")

echo "== Release build and benchmarks (short mode)"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTESVIK_TESTS=OFF -DTESVIK_BENCH=ON -DTESVIK_WHOLE_BUILD=ON >/dev/null
cmake --build build/release -j"$(nproc)" >/dev/null
build/release/tesvik_bench --benchmark_min_time=0.001 >build/release/bench.log
QT_QPA_PLATFORM=offscreen build/release/tesvik_window_bench --benchmark_min_time=0.001 >build/release/window-bench.log
echo "benchmarks: $(grep -c '^BM_' build/release/bench.log) engine, $(grep -c '^BM_' build/release/window-bench.log) window"

echo "== Browser edition: every golden script as the native build"
scripts/web-diff.sh build/release/tesvik

echo "== Browser page in headless Chromium"
scripts/web-page-check.sh

echo "== Debian package"
scripts/package-check.sh
