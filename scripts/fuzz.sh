#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz"), writes the seed corpora with the project's own
# writers and runs each target in turn for SECONDS (default 20), the SD-card set target for at most
# 30 of them, so that a CI run of the seven targets fuzzes for under two and a half minutes in all. The inputs
# committed in fuzz/corpus/TARGET are seeds too. Exits 1 when any target crashes,
# trips ASan or UBSan, leaks, hangs, runs out of memory or breaks a promise its harness checks, and
# prints the saved input's path. The corpora grow in build/fuzz/corpus from run to run.
# Usage: scripts/fuzz.sh [SECONDS]      (JOBS sets the build's parallelism, default 2)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

seconds=${1:-20}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

cmake --preset fuzz
cmake --build --preset fuzz -j "${JOBS:-2}"

out=$root/build/fuzz
findings=$out/findings
mkdir -p "$findings"

# The picture targets rewrite one file per input: keep it in memory when the machine allows.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  scratch=$(mktemp -d /dev/shm/tarvolt-fuzz.XXXXXX)
else
  scratch=$(mktemp -d "$out/scratch.XXXXXX")
fi
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1

rm -rf "$out/seeds"
"$out/bin/make_seeds" "$out/seeds"

status=0
for target in project json bmp jpeg gif panelset clipboard; do
  corpus=$out/corpus/$target
  log=$out/fuzz_$target.log
  mkdir -p "$corpus"
  run=$seconds
  if [ "$target" = panelset ] && [ "$run" -gt 30 ]; then
    run=30
  fi
  echo "== fuzz_$target: ${run} s (log: $log)"
  # -timeout leaves room for the largest picture the loader accepts (64 M pixels, seconds under ASan).
  seeds=("$out/seeds/$target")
  if [ -d "$root/fuzz/corpus/$target" ]; then
    seeds+=("$root/fuzz/corpus/$target")
  fi
  if "$out/bin/fuzz_$target" -max_total_time="$run" -timeout=30 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/$target-" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$log" || true
  else
    status=1
    echo "fuzz_$target FAILED:"
    grep -E '^==[0-9]+==(ERROR|WARNING)|^SUMMARY|^finding:|runtime error|^Qt: ' "$log" | head -n 10 || true
    sed -n 's/.*Test unit written to \(.*\)$/  crash input: \1/p' "$log"
  fi
done
if [ "$status" -ne 0 ]; then
  echo "Fuzzing found problems; reproduce with build/fuzz/bin/fuzz_<target> <crash input>." >&2
fi
exit "$status"
