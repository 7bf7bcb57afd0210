#!/usr/bin/env bash
# Builds the browser edition in build/web with Debian's emscripten
# (installing it when missing): the targets named, by default tesvik-batch
# (build/web/tesvik-batch.js and its .wasm).
#   scripts/web-build.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --web
# emscripten's JavaScript optimizer needs Debian's acorn module.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=("${@:-tesvik-batch}")
nice cmake --build build/web -j"$(nproc)" --target "${targets[@]}" >/dev/null
