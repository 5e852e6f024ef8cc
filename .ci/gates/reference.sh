#!/usr/bin/env bash
# The API reference: Doxygen makes the HTML from the public headers' comments with warnings as
# errors, so an undocumented or misdocumented public member, or a broken link in the guide's
# pages it takes in, fails here.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build/reference

rm -rf "$build"
cmake --preset reference >/dev/null
cmake --build "$build" --target zelmar_flagrow_reference
for page in index.html classQuandrelissa_1_1ZELMAR__FLAGROW.html; do
  test -s "$build/reference/html/$page"
done
echo "reference: API reference built in ${SECONDS}s"
