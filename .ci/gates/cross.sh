#!/usr/bin/env bash
# The suite built for other CPUs with Debian's cross compilers, warnings as errors, and run under
# qemu-user: s390x, big-endian, where a byte-order assumption shows, and aarch64. The binary
# form's test compares the bytes saved there with the files committed from x86-64.
set -euo pipefail
cd "$(dirname "$0")/../.."

for arch in s390x aarch64; do
  if ! command -v "qemu-$arch" >/dev/null; then
    echo "cross: qemu-$arch is not installed: the $arch build is not run"
    continue
  fi
  start=$SECONDS
  cmake --workflow --preset "$arch"
  echo "cross: $arch built and tested in $((SECONDS - start))s"
done
echo "cross: done in ${SECONDS}s"
