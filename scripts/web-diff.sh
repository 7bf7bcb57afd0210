#!/usr/bin/env bash
# Runs every tests/scripts/*.batch through the native batch runner and the
# browser edition's (under Node), each in a fresh copy of tests/scripts/files
# as the golden-script tests do, and fails when their standard output,
# standard error, exit status or written files differ; then runs the smoke
# test of the App's binding for a page. Builds build/web first.
#   scripts/web-diff.sh [NATIVE_TESVIK]    (default build/release/tesvik)
set -euo pipefail
cd "$(dirname "$0")/.."
native=$(realpath "${1:-build/release/tesvik}")
scripts/web-build.sh
web=$(realpath build/web/tesvik-batch.js)
work=build/web/diff
rm -rf "$work"
export native web work
# Compares one script; prints a line when the two differ.
compare() {
  local script=$1 name status_native=0 status_web=0 side
  name=$(basename "$script" .batch)
  for side in native web; do
    mkdir -p "$work/$name/$side"
    cp -r tests/scripts/files "$work/$name/$side/"
  done
  script=$(realpath "$script")
  (cd "$work/$name/native" && "$native" --batch "$script" >../native.out 2>../native.err) || status_native=$?
  (cd "$work/$name/web" && node "$web" --batch "$script" >../web.out 2>../web.err) || status_web=$?
  if [ "$status_native" != "$status_web" ]; then
    echo "$name: exit status $status_native native, $status_web web"
  elif ! cmp -s "$work/$name/native.out" "$work/$name/web.out" || ! cmp -s "$work/$name/native.err" "$work/$name/web.err" ||
       ! diff -r "$work/$name/native" "$work/$name/web" >/dev/null; then
    echo "$name: output differs (build/web/diff/$name)"
  else
    rm -rf "${work:?}/$name"
  fi
}
export -f compare
# The scripts run side by side, one per core.
scripts=(tests/scripts/*.batch)
differences=$(printf '%s\0' "${scripts[@]}" | xargs -0 -n1 -P"$(nproc)" bash -c 'compare "$1"' _)
failed=0
if [ -n "$differences" ]; then
  echo "$differences"
  failed=$(grep -c . <<<"$differences")
fi
count=${#scripts[@]}
echo "web edition: $((count - failed)) of $count scripts as the native build"
node tests/web/binding_smoke.js build/web || failed=$((failed + 1))
[ "$failed" -eq 0 ]
