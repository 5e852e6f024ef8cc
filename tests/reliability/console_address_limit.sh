#!/usr/bin/env bash
# The console program under address-space limits just above what it needs to
# start, where some of its vectors cannot be allocated. Every run that starts
# must end with status 0 and "OK", and some run must show the report of code 6.
#
# glibc normally grows the heap in steps of 128 KiB, which this small program
# never outgrows; without that padding the heap grows page by page, so a limit
# lands between two allocations of the script.
# Usage: console_address_limit.sh <program> <input file>
set -u
program=$1
input=$2
export GLIBC_TUNABLES=glibc.malloc.top_pad=0

run() { prlimit --as=$(($1 * 1024)) "$program" <"$input" 2>&1; }
started() { grep -q "test: ZELMAR_FLAGROW" <<<"$1"; }

# The lowest limit, in KiB, at which the program gets as far as its banner.
low=1024
until started "$(run $low)"; do
  low=$((low + 64))
  if [ $low -gt 262144 ]; then
    echo "the program never started under any limit tried"
    exit 1
  fi
done

reports=0
runs=0
for kb in $(seq $((low - 64)) 4 $((low + 448))); do
  out=$(run "$kb")
  status=$?
  started "$out" || continue
  runs=$((runs + 1))
  if [ $status -ne 0 ] || [ "${out: -2}" != "OK" ]; then
    echo "limit $kb KiB: status $status, output ends with:"
    tail -c 400 <<<"$out"
    exit 1
  fi
  # The report: the code after whatever was written last, the file, the line, then OK.
  if tail -n 4 <<<"$out" | head -n 1 | grep -Eq '(^|[^0-9-])6$' &&
    [ "$(tail -n 1 <<<"$out")" = "OK" ]; then
    reports=$((reports + 1))
  fi
done

echo "$runs runs started between $((low - 64)) and $((low + 448)) KiB; $reports reported code 6"
[ $reports -gt 0 ]
