#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing:
# compilers, libraries, clang-format, the icon renderer and the tools that
# build and check the Debian package. With --fuzz it also installs clang
# with its fuzzer runtime, which scripts/fuzz.sh builds with.
# With --window-check it also installs the X server, window manager and
# tools that scripts/window-check.sh uses. With --web it installs instead
# what the browser edition needs: Debian's emscripten (with clang, lld and
# binaryen), Node.js with npm, which run its tools, the page's build and the
# built batch runner, the icon renderer, Python for the page's local server,
# the page's font, and Chromium, in which the page's tests run.
set -euo pipefail
packages=(cmake g++ make libgtest-dev libgmock-dev googletest libbenchmark-dev qt6-base-dev qt6-translations-l10n
          fonts-wqy-microhei clang-format librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
elif [ "${1:-}" = "--window-check" ]; then
  packages+=(xvfb openbox xdotool x11-utils imagemagick)
elif [ "${1:-}" = "--web" ]; then
  packages=(emscripten nodejs cmake gzip librsvg2-bin python3 fonts-wqy-microhei chromium)
  # A Node.js that brings its own npm needs no Debian npm (they conflict).
  command -v npm >/dev/null || packages+=(npm)
fi
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
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -o DPkg::Lock::Timeout=600 "${missing[@]}" >&2
fi
