#!/usr/bin/env bash
# Builds the Debian package in the Release tree build/release (installing
# missing packages) and checks it:
# its file list, the desktop entry and AppStream metadata it carries, and
# lintian's verdict. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTESVIK_TESTS=OFF -DTESVIK_BENCH=ON >/dev/null
cmake --build build/release -j"$(nproc)" --target tesvik tesvik_install_files >/dev/null
(cd build/release && cpack >/dev/null)
deb="$(ls build/release/tesvik_*_amd64.deb)"
contents="$(dpkg-deb --contents "$deb")"
for path in ./usr/bin/tesvik ./usr/libexec/tesvik/tesvik-app ./usr/share/applications/io.github.tesvik.Tesvik.desktop \
            ./usr/share/metainfo/io.github.tesvik.Tesvik.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/tesvik.svg \
            ./usr/share/icons/hicolor/16x16/apps/tesvik.png ./usr/share/icons/hicolor/256x256/apps/tesvik.png \
            ./usr/share/doc/tesvik/README.md ./usr/share/doc/tesvik/copyright ./usr/share/doc/tesvik/changelog.gz; do
  grep -q " $path\$" <<<"$contents" || { echo "package lacks $path" >&2; exit 1; }
done
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6.*fonts-wqy-microhei\|fonts-wqy-microhei.*libqt6widgets6' \
  || { echo "package dependencies lack the libraries or the font" >&2; exit 1; }
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/io.github.tesvik.Tesvik.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/io.github.tesvik.Tesvik.metainfo.xml" >/dev/null
lintian --fail-on error "$deb"
echo "$deb"
