#!/usr/bin/env bash
# The whole build and test suite again with clang++, warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake --workflow --preset clang
echo "clang: built and tested in ${SECONDS}s"
