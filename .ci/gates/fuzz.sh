#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under address and undefined-behaviour
# sanitizers and runs each for a bounded time. A crash, a leak, a sanitizer
# report or a hang fails the gate; libFuzzer leaves the input that did it in
# build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=build/fuzz
seconds=${ZF_FUZZ_SECONDS:-60}

cmake --preset fuzz
cmake --build "$build" -j2

mkdir -p "$build/artifacts"
# fuzz <target> <corpus> [libFuzzer options]: new inputs go to a scratch corpus
# in the build tree; the seeds in the repository are only read.
fuzz() {
  local target=$1 corpus=$2
  shift 2
  mkdir -p "$build/corpus/$corpus"
  echo "== $target: $seconds s"
  "$build/bin/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$corpus-" "$@" \
    "$build/corpus/$corpus" "fuzz/corpus/$corpus"
}

fuzz zelmar_flagrow_differential_fuzzer differential -max_len=1024
fuzz zelmar_flagrow_load_fuzzer load -max_len=1024 -malloc_limit_mb=64
fuzz zelmar_flagrow_console_fuzzer console -max_len=4096 -dict=fuzz/console.dict
