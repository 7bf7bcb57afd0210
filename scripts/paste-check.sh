#!/usr/bin/env bash
# Pastes about 10 MB into every text box of every page through the batch
# runner of the Release build (build/release/tesvik), lets the page use it
# (compound line, paste buttons, run, prize check) and reports per page the
# slowest such script in processor time (user and system, which a busy
# machine does not inflate) and the largest resident memory. Three kinds of text:
# pick lines, digit runs with blanks, and a mix of every separator.
#   scripts/paste-check.sh [BYTES]
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/release/tesvik
bytes="${1:-10000000}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The text of a batch `set`, escaped: backslash sequences stand for CR LF.
text() {
  case "$1" in
    lines) yes '01 02 03 04 05 06\r\n' ;;
    digits) yes '1234567890 ' ;;
    mixed) yes '1/2/3*4-5,6 7\r\n8.9\t0  10,  ' ;;
  esac | tr -d '\n' | head -c "$bytes"  || true  # yes ends on SIGPIPE
}

# measure PAGE NAME: runs $scratch/script.batch, keeps the worst figures of PAGE.
declare -A worst_time worst_rss worst_time_what worst_rss_what
measure() {
  local page="$1" what="$2" user system seconds rss
  /usr/bin/time -o "$scratch/time" -f '%U %S %M' "$program" --batch "$scratch/script.batch" >/dev/null 2>&1
  read -r user system rss <"$scratch/time"
  seconds="$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')"
  if awk -v a="$seconds" -v b="${worst_time[$page]:-0}" 'BEGIN { exit !(a > b) }'; then
    worst_time[$page]="$seconds"; worst_time_what[$page]="$what"
  fi
  if ((rss > ${worst_rss[$page]:-0})); then worst_rss[$page]="$rss"; worst_rss_what[$page]="$what"; fi
}

for kind in lines digits mixed; do
  text "$kind" >"$scratch/text"
  for page in 0 1 2; do
    run=$((page * 5)); compound=$((page * 5 - 1)); prize=$((14 + page)); prize_box=$((1 + page))
    boxes=()
    for i in $(seq 0 34); do boxes+=("T_nei_txt_ip $i"); done
    if [ "$kind" = digits ]; then  # the tolerance boxes read a leading number only
      for i in $(seq 0 51); do boxes+=("Comb_rc $i"); done
      for i in $(seq 0 5); do boxes+=("Comb_jg_rc $i"); done
    fi
    boxes+=("T_duijiang $prize_box")
    for box in "${boxes[@]}"; do
      { echo "click C_ding $page"
        printf 'set %s "' "$box"; cat "$scratch/text"; echo '"'
        if ((page > 0)); then echo "click C_jg_gn $compound"; else echo "click C_q3_nei 2"; fi
        echo "click C_jg_gn $run"
        echo "click C_jg_gn $prize"; } >"$scratch/script.batch"
      measure "$page" "$kind in $box"
    done
  done
  for i in $(seq 0 12); do
    { echo "click C_ding 3"
      printf 'set T_q6 %s "' "$i"; cat "$scratch/text"; echo '"'
      printf 'clipboard "'; cat "$scratch/text"; echo '"'
      echo "click C_q6_gn 10"
      echo "click C_q6_gn 11"
      echo "click C_q6_gn 12"
      echo "click C_q6_gn 0"
      echo "click C_q6_gn 13"; } >"$scratch/script.batch"
    measure 3 "$kind in T_q6 $i with the paste buttons"
  done
done
for page in 0 1 2 3; do
  echo "page $page: slowest ${worst_time[$page]} s of processor time (${worst_time_what[$page]}), largest ${worst_rss[$page]} kB (${worst_rss_what[$page]})"
done
