#!/usr/bin/env bash
# Tests the browser page in Chromium (headless): builds the site and the
# batch runner in build/web, then runs tests/web/page.test.mjs against them.
# Screenshots of the four pages at desktop and phone size go to
# build/web/screens.
#   scripts/web-page-check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web-build.sh tesvik-batch tesvik-site
nice node tests/web/page.test.mjs build/web
