#!/usr/bin/env bash
# The Debian packages, as a user gets them: `cpack -G DEB` makes the library, development and
# program packages, lintian finds no warning in them, dpkg installs them into this machine, the
# CMake and pkg-config consumers build against the installed files with no prefix given and run,
# the program runs, and removing and purging the packages leaves nothing of them behind.
set -euo pipefail
# grep reads each pipe to its end (no -q): under pipefail a writer cut off early, such as
# `ldconfig -p` with more than a pipe's 64 KiB to say, fails the gate with SIGPIPE.
cd "$(dirname "$0")/../.."
build=build/deb
packages=(libzelmar-flagrow1 libzelmar-flagrow-dev zelmar-flagrow)

if [ "$(id -u)" != 0 ] || ! command -v dpkg >/dev/null; then
  echo "deb: skipped: installing a package needs dpkg and root"
  exit 0
fi
for package in "${packages[@]}"; do
  if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" = installed ]; then
    echo "deb: $package is installed already; remove it first (dpkg -r $package)" >&2
    exit 1
  fi
done

rm -rf "$build"
cmake --preset deb >/dev/null
cmake --build "$build" -j2 >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
debs=()
for package in "${packages[@]}"; do
  debs+=("$(ls "$build/${package}"_*.deb)")
done

if command -v lintian >/dev/null; then
  lintian --fail-on warning "${debs[@]}" 2>&1 | { grep -v 'running with root privileges' || true; }
else
  echo "deb: lintian is not installed: the packages are not checked"
fi
# The loader's cache is libc's trigger's work, never a maintainer script's.
for deb in "${debs[@]}"; do
  if dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E '^\./(postinst|postrm)$' >/dev/null; then
    echo "deb: $deb has maintainer scripts" >&2
    exit 1
  fi
done

dpkg -i "${debs[@]}" >/dev/null
trap 'dpkg -P "${packages[@]}" >/dev/null 2>&1 || true' EXIT
for package in "${packages[@]}"; do
  dpkg -L "$package"
done >"$build/files"
ldconfig -p | grep 'libzelmar_flagrow\.so\.1 ' >/dev/null

consumer=tests/package/consumer
major=$(dpkg-deb -f "${debs[0]}" Version | cut -d. -f1)
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
zcat /usr/share/man/man1/zelmar_flagrow.1.gz | grep '^\.SH EXIT STATUS' >/dev/null
test -f /usr/share/doc/libzelmar-flagrow-dev/html/index.html
test -f /usr/share/doc/libzelmar-flagrow-dev/ratios.png

dpkg -r "${packages[@]}" >/dev/null
trap - EXIT
left=0
while read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then
    case "$path" in
      */zelmar_flagrow* | */zelmar-flagrow* | */ZELMAR_FLAGROW* | */libzelmar*)
        echo "deb: $path is left after dpkg -r" >&2
        left=1 ;;
    esac
  fi
done <"$build/files"
[ "$left" = 0 ]
if ldconfig -p | grep libzelmar_flagrow >/dev/null; then
  echo "deb: the loader's cache still names the library after dpkg -r" >&2
  exit 1
fi
# A removed package stays known to dpkg until it is purged (dpkg says so of one that is gone).
dpkg -P "${packages[@]}" 2>&1 | { grep -v "which isn't installed" || true; }
for package in "${packages[@]}"; do
  if dpkg-query -W "$package" >/dev/null 2>&1; then
    echo "deb: dpkg still knows $package after dpkg -P" >&2
    exit 1
  fi
done
echo "deb: built, checked, installed, used, removed and purged in ${SECONDS}s"
