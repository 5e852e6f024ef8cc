#!/usr/bin/env bash
# The Debian package, as a user gets it: `cpack -G DEB` makes it, lintian finds no error in it,
# dpkg installs it into this machine, the CMake and pkg-config consumers build against the
# installed files with no prefix given and run, the program runs, and `dpkg -r` leaves
# nothing of it behind.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build/deb
package=zelmar-flagrow

if [ "$(id -u)" != 0 ] || ! command -v dpkg >/dev/null; then
  echo "deb: skipped: installing a package needs dpkg and root"
  exit 0
fi
if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" = installed ]; then
  echo "deb: $package is installed already; remove it first (dpkg -r $package)" >&2
  exit 1
fi

rm -rf "$build"
cmake --preset deb >/dev/null
cmake --build "$build" -j2 >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/${package}_*.deb)

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" 2>&1 | { grep -v 'running with root privileges' || true; }
else
  echo "deb: lintian is not installed: the package is not checked"
fi

dpkg -i "$deb" >/dev/null
trap 'dpkg -P "$package" >/dev/null 2>&1 || true' EXIT
dpkg -L "$package" >"$build/files"

consumer=tests/package/consumer
major=$(dpkg-deb -f "$deb" Version | cut -d. -f1)
cmake -S "$consumer" -B "$build/find_package" -DCMAKE_BUILD_TYPE=Release \
  -DEXPECTED_MAJOR="$major" >/dev/null
cmake --build "$build/find_package" >/dev/null
"$build/find_package/consumer"
# shellcheck disable=SC2046  # pkg-config's flags are words
g++ -std=c++20 "$consumer/consumer.cpp" $(pkg-config --cflags --libs zelmar_flagrow) \
  -o "$build/pkg_config_consumer"
"$build/pkg_config_consumer"

printf '0\n' | LC_ALL=C.UTF-8 zelmar_flagrow >"$build/program.out"
grep -q 'НАЗНАЧЕНИЕ' "$build/program.out"
zcat /usr/share/man/man1/zelmar_flagrow.1.gz | grep -q '^\.SH EXIT STATUS'

dpkg -r "$package" >/dev/null
trap - EXIT
left=0
while read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then
    case "$path" in
      */zelmar_flagrow* | */zelmar-flagrow* | */ZELMAR_FLAGROW* | */libzelmar_flagrow*)
        echo "deb: $path is left after dpkg -r" >&2
        left=1 ;;
    esac
  fi
done <"$build/files"
[ "$left" = 0 ]
# A removed package stays known to dpkg until it is purged.
dpkg -P "$package" >/dev/null
echo "deb: built, checked, installed, used and removed in ${SECONDS}s"
