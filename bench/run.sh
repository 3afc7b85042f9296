#!/usr/bin/env bash
# The whole-program benchmark: builds the optimised program, generates
# realistic temp.txt files and measures, against the limits of this machine:
#   - speed per profile: `cat temp.txt > jwc_temp.txt` against `dravel03 /G1`
#     on the same file, interleaved in rounds so that both see the same load;
#   - peak memory (RSS) for a 1 MB and a 1 GB input;
#   - start-up on an empty temp.txt against /bin/true.
#
#   bench/run.sh [--lines N] [--rounds N] [--no-large]
#
# Needs cmake, ninja, g++, hyperfine and GNU time (/usr/bin/time).
set -euo pipefail

lines=2000000
rounds=5
large=1
while [ $# -gt 0 ]; do
  case "$1" in
    --lines) lines="$2"; shift 2 ;;
    --rounds) rounds="$2"; shift 2 ;;
    --no-large) large=0; shift ;;
    *) echo "usage: $0 [--lines N] [--rounds N] [--no-large]" >&2; exit 2 ;;
  esac
done

root="$(cd "$(dirname "$0")/.." && pwd)"
for tool in hyperfine /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (apt-get install hyperfine time)" >&2; exit 1; }
done

cd "$root"
cmake --preset bench >/dev/null
cmake --build --preset bench -j2 >/dev/null
program="$root/build/bench/dravel03"
generate="$root/build/bench/generate_temp"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
echo "Commit:  $(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo unknown)"
echo

# Median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Runs hyperfine on two commands in `rounds` rounds and prints the median of
# each command's per-round median time, and the median of the per-round
# ratios, as "first second ratio" (seconds).
compare() {
  local dir="$1" runs="$2" first="$3" second="$4"; shift 4
  local csv="$work/round.csv" results="$work/rounds.txt"
  : >"$results"
  for _ in $(seq "$rounds"); do
    (cd "$dir" && hyperfine "$@" --style none --warmup 1 --runs "$runs" --export-csv "$csv" \
      "$first" "$second" >/dev/null 2>&1)
    # CSV columns: command,mean,stddev,median,user,system,min,max
    awk -F, 'NR == 2 { a = $4 } NR == 3 { b = $4 } END { print a, b, b / a }' "$csv" >>"$results"
  done
  echo "$(cut -d' ' -f1 "$results" | median) $(cut -d' ' -f2 "$results" | median) $(cut -d' ' -f3 "$results" | median)"
}

echo "Speed, $lines lines per profile, $rounds interleaved rounds (median):"
printf '  %-7s %8s %10s %15s %15s\n' profile MB "cat MB/s" "dravel03 MB/s" "time / cat"
for profile in mixed copy text; do
  dir="$work/$profile"
  mkdir -p "$dir"
  "$generate" "$profile" --lines "$lines" >"$dir/temp.txt"
  bytes=$(stat -c %s "$dir/temp.txt")
  read -r tcat tprog ratio < <(compare "$dir" 3 "cat temp.txt > jwc_temp.txt" "$program /G1")
  awk -v p="$profile" -v b="$bytes" -v c="$tcat" -v d="$tprog" -v r="$ratio" 'BEGIN {
    printf "  %-7s %8.1f %10.0f %15.0f %14.2fx\n", p, b / 1e6, b / 1e6 / c, b / 1e6 / d, r }'
  rm -f "$dir/jwc_temp.txt"
done
echo

# Peak resident memory in KiB of one conversion of a generated file.
peak_rss() {
  local dir="$1"
  (cd "$dir" && /usr/bin/time -f %M -o "$work/rss.txt" "$program" /G1)
  cat "$work/rss.txt"
}

echo "Peak memory (RSS), mixed profile:"
sizes="1000000"
[ "$large" = 1 ] && sizes="$sizes 1000000000"
for size in $sizes; do
  dir="$work/rss-$size"
  mkdir -p "$dir"
  "$generate" mixed --bytes "$size" >"$dir/temp.txt"
  printf '  %5.0f MB input: %6d KiB\n' "$(echo "$size" | awk '{ print $1 / 1e6 }')" "$(peak_rss "$dir")"
  rm -rf "$dir"
done
echo

echo "Start-up on an empty temp.txt, $rounds interleaved rounds (median):"
dir="$work/empty"
mkdir -p "$dir"
: >"$dir/temp.txt"
read -r ttrue tprog ratio < <(compare "$dir" 200 "/bin/true" "$program /G1" -N)
awk -v t="$ttrue" -v d="$tprog" -v r="$ratio" 'BEGIN {
  printf "  /bin/true %.2f ms, dravel03 /G1 %.2f ms, ratio %.2fx\n", t * 1e3, d * 1e3, r }'
