#!/usr/bin/env bash
# Builds the browser edition in build/web with Debian's emscripten
# (installing it when missing): the targets named, by default the batch
# runner tesvik-batch, the App for a page tesvik-web (build/web/NAME.js
# and NAME.wasm) and the browser page's whole site tesvik-site
# (build/web/site, which runs npm ci and esbuild).
#   scripts/web-build.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --web
# emscripten's JavaScript optimizer needs Debian's acorn module.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release -DTESVIK_WHOLE_BUILD=ON >/dev/null
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(tesvik-batch tesvik-web tesvik-site)
nice cmake --build build/web -j"$(nproc)" --target "${targets[@]}" >/dev/null
