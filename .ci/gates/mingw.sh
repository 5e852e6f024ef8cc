#!/usr/bin/env bash
# Cross-builds the library and the console program for 32- and 64-bit Windows
# with Debian's MinGW-w64, warnings as errors, so the Windows-only code keeps
# compiling. Then, for each build that wine can start here, runs the guide's
# examples (each checks its own results) and the program twice: piped, its
# Russian texts must arrive in the OEM code page 866 with lines ending in CR LF;
# on a terminal (a tmux pane, typed at with send-keys), they must read as the
# same Russian letters on the screen.
set -euo pipefail
cd "$(dirname "$0")/../.."

cross_build() {  # <preset, also its build folder>
  cmake --preset "$1" >/dev/null
  cmake --build "build/$1" -j2
}
cross_build mingw32
cross_build mingw64
echo "mingw: 32- and 64-bit builds done at ${SECONDS}s"

for tool in wine tmux; do
  if ! command -v "$tool" >/dev/null; then
    echo "mingw: $tool is not installed: the Windows programs are built but not run"
    exit 0
  fi
done

export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' WINEPREFIX="$PWD/build/wine-prefix"
# wine takes its ANSI and OEM code pages (1251 and 866) from the locale's name;
# LANG alone is not enough for it.
in_russian=(env LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8)
tmux_server=(tmux -L "zelmar_flagrow_mingw_$$" -f /dev/null)
trap '"${tmux_server[@]}" kill-server 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT

# "//  НАЗНАЧЕНИЕ:", "приёмного" (ё sits apart from the other letters in both code
# pages) and the choice prompt's "Ваш выбор > ", all in code page 866.
banner=$'^//  \x8d\x80\x87\x8d\x80\x97\x85\x8d\x88\x85:\r$'
yo_word=$'\xaf\xe0\xa8\xf1\xac\xad\xae\xa3\xae'
prompt=$'\x82\xa0\xe8 \xa2\xeb\xa1\xae\xe0 > $'

expect() {  # <transcript> <pattern> <what>
  if ! LC_ALL=C grep -aq -- "$2" "$1"; then
    echo "mingw: $3 missing from $1; its first lines:" >&2
    head -c 600 "$1" | od -An -c >&2
    exit 1
  fi
}

screen_text() {
  "${in_russian[@]}" "${tmux_server[@]}" capture-pane -p -J -S - -t zelmar_flagrow
}

wait_for_screen() {  # <text> <what>
  local tries
  for ((tries = 0; tries < 240; ++tries)); do
    screen_text | grep -F -- "$1" >/dev/null && return
    sleep 0.5
  done
  echo "mingw: $2 never appeared on the screen; it shows:" >&2
  screen_text | tail -n 20 >&2
  exit 1
}

# What a person sees: the program in a terminal, the answers typed at it.
screen_session() {  # <build folder>
  local dir=build/$1
  "${in_russian[@]}" "${tmux_server[@]}" new-session -d -s zelmar_flagrow -x 100 -y 50 \
    "wine $dir/bin/zelmar_flagrow.exe; echo \"exit status \$?\"; sleep 600"
  wait_for_screen "Например: 111100001111." "the bit-field prompt"
  "${tmux_server[@]}" send-keys -t zelmar_flagrow '1010.' Enter
  wait_for_screen "Ваш выбор >" "the choice prompt"
  screen_text >"$dir/screen.txt"
  local word
  for word in "//  НАЗНАЧЕНИЕ:" "приёмного" "Ваш выбор >"; do
    if ! grep -qF -- "$word" "$dir/screen.txt"; then
      echo "mingw: \"$word\" does not read as letters on the screen of $1; it shows:" >&2
      grep -m 12 -- '//' "$dir/screen.txt" >&2
      exit 1
    fi
  done
  "${tmux_server[@]}" send-keys -t zelmar_flagrow 0 Enter
  wait_for_screen "exit status 0" "the program's end after the answer 0"
  "${tmux_server[@]}" kill-session -t zelmar_flagrow
  echo "mingw: $1 on a terminal shows:"
  grep -E -m 3 -- 'НАЗНАЧЕНИЕ|приёмного|Ваш выбор' "$dir/screen.txt" | sed 's/^/    /'
}

session() {  # <build folder>
  local dir=build/$1 cxx
  cxx=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$dir"/CMakeFiles/*/CMakeCXXCompiler.cmake)
  # wine answers 0 also when it cannot start a program at all: the probe answers 42.
  "$cxx" -static -x c++ - -o "$dir/probe.exe" <<<'int main() { return 42; }'
  local status=0
  "${in_russian[@]}" timeout 120 wine "$dir/probe.exe" >/dev/null 2>&1 || status=$?
  if [ "$status" != 42 ]; then
    echo "mingw: wine cannot start $1 programs here (32-bit ones need wine32:i386): skipped"
    return
  fi
  local example
  for example in "$dir"/bin/zelmar_flagrow_example_*.exe; do
    if ! "${in_russian[@]}" timeout 120 wine "$example" >/dev/null; then
      echo "mingw: $example failed under wine" >&2
      exit 1
    fi
  done

  # A bit field ended by '.', then the answer 0 at the first choice prompt.
  local transcript=$dir/transcript.txt
  printf '1010.\n0\n' | "${in_russian[@]}" timeout 120 wine "$dir/bin/zelmar_flagrow.exe" \
    >"$transcript" 2>/dev/null
  expect "$transcript" "$banner" "the banner line in CP866 with CR LF"
  expect "$transcript" "$yo_word" "the word with ё in CP866"
  expect "$transcript" $'^1010\r$' "the imported bit field"
  expect "$transcript" "$prompt" "the choice prompt in CP866, last"
  echo "mingw: $1 examples and session under wine passed; the banner line's bytes:"
  LC_ALL=C grep -a -m 1 -- "$banner" "$transcript" | od -An -tx1
  screen_session "$1"
}
session mingw32
session mingw64
echo "mingw: done in ${SECONDS}s"
