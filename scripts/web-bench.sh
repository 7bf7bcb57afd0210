#!/usr/bin/env bash
# Times the benchmark scenarios of bench/timing natively and in the browser
# edition under Node, one after the other on this machine, and prints each
# median with the ratio; fails when the browser edition takes more than
# twice the native time anywhere after the warm-up that a page runs when it
# loads (the cold figures are printed too), or when tesvik-batch's .wasm and
# .js come to more than 2 MB after gzip.
#   scripts/web-bench.sh [RUNS]     (runs a scenario, default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
scripts/web-build.sh tesvik-batch tesvik_scenario_timing
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTESVIK_TESTS=OFF -DTESVIK_BENCH=ON >/dev/null
nice cmake --build build/release -j"$(nproc)" --target tesvik_scenario_timing >/dev/null
# table SUFFIX CHECK [ARGS]: runs both editions, prints their medians and
# ratios; with CHECK=1 a ratio over 2 fails the script (but for the warm-up's
# own time, which a page spends while it loads).
table() {
  local suffix=$1 check=$2 name native_median web_median native_ms web_ms ratio
  shift 2
  build/release/tesvik_scenario_timing "$runs" "$@" >"build/web/timing-native$suffix.txt"
  node build/web/tesvik_scenario_timing.js "$runs" "$@" >"build/web/timing-web$suffix.txt"
  printf '%-16s %10s %10s %6s\n' scenario native-ms node-ms ratio
  while read -r name native_median _; do
    web_median=$(awk -v n="$name" '$1 == n { print $2 }' "build/web/timing-web$suffix.txt")
    native_ms=${native_median#median=} web_ms=${web_median#median=}
    ratio=$(awk -v a="$web_ms" -v b="$native_ms" 'BEGIN { printf "%.2f", a / b }')
    printf '%-16s %10s %10s %6s\n' "$name" "$native_ms" "$web_ms" "$ratio"
    if [ "$check" = 1 ] && [ "$name" != warm_up ] && awk -v r="$ratio" 'BEGIN { exit !(r > 2) }'; then status=1; fi
  done <"build/web/timing-native$suffix.txt"
}
status=0
echo "After the warm-up that a page runs when it loads:"
table "" 1
echo "Cold, without the warm-up (not checked):"
table -cold 0 --cold
raw=$(cat build/web/tesvik-batch.wasm build/web/tesvik-batch.js | wc -c)
packed=$(( $(gzip -9 -c build/web/tesvik-batch.wasm | wc -c) + $(gzip -9 -c build/web/tesvik-batch.js | wc -c) ))
echo "tesvik-batch .wasm + .js: $raw bytes, $packed after gzip"
[ "$packed" -le $((2 * 1024 * 1024)) ] || status=1
exit "$status"
