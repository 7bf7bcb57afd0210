#!/usr/bin/env bash
# The program's command line without a display: help, version, usage errors,
# the batch runner's refusals of scripts and output it cannot use, and the
# starter without its program.
#   tests/command_line.sh PROGRAM
set -uo pipefail
program="$1"
unset DISPLAY WAYLAND_DISPLAY
failures=0
check() {  # check DESCRIPTION WANTED_STATUS STATUS [CONDITION...]
  local what="$1" want="$2" got="$3"
  shift 3
  if [ "$got" != "$want" ] || ! "$@"; then
    echo "FAILED: $what (status $got, expected $want)" >&2
    failures=$((failures + 1))
  fi
}
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

"$program" --version >"$scratch/out" 2>&1
check "--version" 0 $? grep -qE '^tesvik [0-9]+\.[0-9]+\.[0-9]+$' "$scratch/out"
"$program" --help >"$scratch/out" 2>&1
status=$?
for option in --batch --screenshot --notice-server --version --help; do
  check "--help lists $option" 0 $status grep -q -- "^  $option" "$scratch/out"
done
"$program" --frobnicate >"$scratch/out" 2>"$scratch/err"
check "unknown option" 2 $? grep -q '^usage: tesvik' "$scratch/err"
"$program" --batch "$scratch" >"$scratch/out" 2>"$scratch/err"
check "a directory as script" 2 $? grep -q 'directory' "$scratch/err"
"$program" --batch "$scratch/missing.batch" >"$scratch/out" 2>"$scratch/err"
check "a missing script" 2 $? grep -q 'cannot open' "$scratch/err"
printf '\xef\xbb\xbfprint L_jg_zhushu 0\r\n' >"$scratch/bom.batch"
"$program" --batch "$scratch/bom.batch" >"$scratch/out" 2>"$scratch/err"
check "a script with a byte-order mark" 0 $? grep -q '^L_jg_zhushu 0 caption="0"$' "$scratch/out"
"$program" --batch "$scratch/bom.batch" >/dev/full 2>"$scratch/err"
check "output to a full disk" 1 $? grep -q 'cannot write' "$scratch/err"
"$program" --batch "$scratch/bom.batch" >&- 2>"$scratch/err"
check "closed standard output" 1 $? grep -q 'cannot write' "$scratch/err"
# Options and standard input reach the batch runner whole, also with the
# user's own allocator settings.
printf 'print L_jg_zhushu 0\n' | env -u GLIBC_TUNABLES "$program" --notice-server "" --batch - >"$scratch/out" 2>"$scratch/err"
check "options and standard input" 0 $? grep -q '^L_jg_zhushu 0 caption="0"$' "$scratch/out"
printf 'print L_jg_zhushu 0\n' | GLIBC_TUNABLES=glibc.malloc.perturb=0 "$program" --batch - >"$scratch/out" 2>"$scratch/err"
check "the user's allocator settings" 0 $? grep -q '^L_jg_zhushu 0 caption="0"$' "$scratch/out"
# The version and help come from the starter alone; anything else needs the
# program, and a starter without it says so.
"$program" --notice-server "" --version >"$scratch/out" 2>&1
check "--version after another option" 0 $? grep -qE '^tesvik [0-9]+\.[0-9]+\.[0-9]+$' "$scratch/out"
cp "$program" "$scratch/tesvik"
"$scratch/tesvik" --version >"$scratch/out" 2>&1
check "--version without the program" 0 $? grep -qE '^tesvik [0-9]+\.[0-9]+\.[0-9]+$' "$scratch/out"
"$scratch/tesvik" --batch - </dev/null >"$scratch/out" 2>"$scratch/err"
check "a start without the program" 127 $? grep -q 'cannot start tesvik-app' "$scratch/err"
exit $(( failures > 0 ))
