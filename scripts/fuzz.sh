#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (installing missing packages) and
# runs each for SECONDS (default 20) from its seed corpus, one after the
# other: coverage-guided fuzzing, deeper than the test command's short runs
# of the same targets. Logs go to build/fuzz/logs/NAME.log, inputs that crash to
# build/fuzz/crashes/; the status is non-zero when a target fails.
#   scripts/fuzz.sh [SECONDS] [NAME...]     # NAME as in fuzz/CMakeLists.txt
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --fuzz
seconds="${1:-20}"
shift || true
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESVIK_FUZZ=ON \
  -DTESVIK_TESTS=OFF -DTESVIK_BENCH=OFF >/dev/null
if (($#)); then targets=("$@"); else mapfile -t targets < build/fuzz/fuzz-targets.txt; fi
cmake --build build/fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null
mkdir -p build/fuzz/logs build/fuzz/crashes
# The network start-up keeps its settings and lock file here, not in the user's.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# Targets that write files (the batch runner's scripts) work in a folder of it.
export XDG_CONFIG_HOME="$scratch" XDG_RUNTIME_DIR="$scratch" TMPDIR="$scratch"
root="$PWD"
for name in "${targets[@]}"; do
  mkdir -p "build/fuzz/found/$name"
  if build/fuzz/fuzz/"fuzz_$name" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$root/build/fuzz/crashes/$name-" "$root/build/fuzz/found/$name" "$root/build/fuzz/corpus/$name" \
       >"build/fuzz/logs/$name.log" 2>&1; then
    echo "fuzz $name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "build/fuzz/logs/$name.log" | grep -o '[0-9]*$') runs, no crash"
  else
    echo "fuzz $name: FAILED (see build/fuzz/logs/$name.log)" >&2
    tail -n 40 "build/fuzz/logs/$name.log" >&2
    exit 1
  fi
done
