#!/usr/bin/env bash
# Fails when a tracked C++ file is not laid out the way clang-format lays it out.
set -euo pipefail
cd "$(dirname "$0")/../.."

mapfile -t files < <(git ls-files -- '*.h' '*.hpp' '*.cpp' '*.cc')
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files clean in ${SECONDS}s"
