#!/usr/bin/env bash
# The package tests again with the library built shared: the test workflow
# covers the static library, this covers the .so an installed tree would carry.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build/package

cmake --preset package >/dev/null
cmake --build "$build" -j2 --target zelmar_flagrow
ctest --test-dir "$build" -R '^package\.' --output-on-failure
echo "package: shared library installed and consumed in ${SECONDS}s"
