#!/usr/bin/env bash
# The benchmark program still runs: every row at every size but the largest (the short ones, 2^14
# and 2^20 bits), briefly, with each kernel family the machine runs, as the program itself lists
# them, and the whole workloads once. Nothing is measured here; the program only has to finish
# without crashing or meeting a row whose contender did no work.
set -euo pipefail
cd "$(dirname "$0")/../.."

bench=build/default/bin/zelmar_flagrow_bench
if grep -q '^benchmark_DIR:PATH=.*NOTFOUND' build/default/CMakeCache.txt 2>/dev/null; then
  echo "skipped: Google Benchmark is not installed, so the build left the benchmark out"
  exit 0
fi
if [ ! -x "$bench" ]; then
  echo "$bench is missing: run the test workflow first, it builds the benchmark" >&2
  exit 1
fi
mapfile -t families < <("$bench" --list_isas)
for isa in "${families[@]}"; do
  "$bench" --isa="$isa" --benchmark_filter='/(64|100|128|256|1000|1024|14|20)$' --benchmark_min_time=0.002 >/dev/null
done
# The whole workloads once, with the widest family: each checks its answer before it is timed.
"$bench" --benchmark_filter='^(walk|sieve|bfs|pairs)' --benchmark_min_time=0.002 >/dev/null
echo "zelmar_flagrow_bench: every row ran with each kernel family (${families[*]}), the workloads with the widest"
