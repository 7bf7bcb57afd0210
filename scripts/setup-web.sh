#!/usr/bin/env bash
# Installs what the WebAssembly build needs, only when it is missing:
# Debian's emscripten (with clang, lld and binaryen) and Node.js, which runs
# the build's tools and the built batch runner.
set -euo pipefail
packages=(emscripten nodejs cmake gzip)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "installing: ${missing[*]}" >&2
  $sudo apt-get update -qq
  # Another apt-get holding the lock makes this one wait for it.
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -o DPkg::Lock::Timeout=600 --no-install-recommends \
    "${missing[@]}" >&2
fi
