#!/usr/bin/env bash
# Builds the fuzz preset and runs each fuzz target for a bounded time
# (FUZZ_SECONDS, 60 by default) from the committed seeds and the example
# inputs. Fails on the first finding; the input that caused it is left in
# build/fuzz/findings/ (turn it into a test fixture, then fix the bug).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-60}"
cmake --workflow --preset fuzz

work=build/fuzz/run
findings=build/fuzz/findings
rm -rf "$work"
mkdir -p "$findings"
for target in readers number_format pass; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  if [ "$target" = pass ]; then
    for input in examples/*/temp.txt; do
      cp "$input" "$corpus/example_$(basename "$(dirname "$input")")"
    done
  fi
  case "$target" in
    number_format) max_len=8 ;;
    readers) max_len=4096 ;;
    pass) max_len=16384 ;;
  esac
  echo "== fuzzing $target for ${seconds}s"
  # The scratch corpus comes first: libFuzzer adds what it finds there and
  # leaves the committed seeds alone.
  "build/fuzz/fuzz/${target}_fuzzer" "$corpus" "fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
    -print_final_stats=1 -artifact_prefix="$findings/$target-" 2>"$work/$target.log" ||
    { tail -n 60 "$work/$target.log"; echo "fuzz/run.sh: $target found a fault" >&2; exit 1; }
  grep -E '^(stat::number_of_executed_units|Done)' "$work/$target.log" || true
done
