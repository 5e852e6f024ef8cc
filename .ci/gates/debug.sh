#!/usr/bin/env bash
# The Debug build, whose invariant checks every other build compiles out, runs the whole suite
# under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --workflow --preset debug
echo "debug: built and tested in ${SECONDS}s"
