#!/usr/bin/env bash
# Builds an optimised tesvik (installing missing packages) and starts it;
# arguments pass through, e.g. ./run.sh --batch script.batch
# ./run.sh --web builds the browser edition instead (installing emscripten)
# and serves its page, build/web/site, on 127.0.0.1 (port TESVIK_WEB_PORT,
# default 8026); ./run.sh --web ARGS runs its batch runner under Node, e.g.
# ./run.sh --web --batch script.batch
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--web" ]; then
  shift
  if [ "$#" -gt 0 ]; then
    scripts/web-build.sh tesvik-batch
    exec node build/web/tesvik-batch.js "$@"
  fi
  scripts/web-build.sh tesvik-site
  port=${TESVIK_WEB_PORT:-8026}
  echo "serving build/web/site at http://127.0.0.1:$port/ (Ctrl+C stops)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
fi
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTESVIK_TESTS=OFF -DTESVIK_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target tesvik >/dev/null
exec build/release/tesvik "$@"
