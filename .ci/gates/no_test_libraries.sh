#!/usr/bin/env bash
# A machine without GoogleTest, or a packager who wants no tests: with GoogleTest
# hidden, the configure says what it leaves out and goes on; with CTest's
# BUILD_TESTING off as well, no test is registered and the library and the
# console program build.
set -euo pipefail
cd "$(dirname "$0")/../.."

configure() {  # <build folder> <options...>
  local build=$1
  shift
  rm -rf "$build"
  if ! cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZELMAR_FLAGROW_WERROR=ON \
      -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON "$@" >"$build.log" 2>&1; then
    cat "$build.log" >&2
    exit 1
  fi
}

configure build/no_gtest
if ! grep -q 'GoogleTest not found: only the package tests are built' build/no_gtest.log; then
  echo "no_test_libraries: the configure without GoogleTest does not say what it leaves out" >&2
  exit 1
fi

build=build/no_test_libraries
configure "$build" -DBUILD_TESTING=OFF
if ctest --test-dir "$build" -N | grep 'Total Tests: [1-9]' >/dev/null; then
  echo "no_test_libraries: BUILD_TESTING=OFF still registered tests" >&2
  exit 1
fi
cmake --build "$build" -j2 --target zelmar_flagrow zelmar_flagrow_demo
printf '0\n' | "$build/bin/zelmar_flagrow" >/dev/null
echo "no_test_libraries: configured without GoogleTest; library and program built in ${SECONDS}s"
