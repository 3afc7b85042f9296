#!/usr/bin/env bash
# Builds and runs every test: the Linux build with g++, with clang++, and
# with clang++ under AddressSanitizer and UndefinedBehaviorSanitizer, and
# the Windows program under wine.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --workflow --preset default
cmake --workflow --preset clang
cmake --workflow --preset asan
# The benchmarks are built so that they keep compiling; nothing is timed here.
cmake --preset bench
cmake --build --preset bench

# The Windows program, cross-built; its tests run under wine, which needs a
# display for the program's windows.
xvfb-run -a cmake --workflow --preset windows
# The release archive holds the program and its usage text, nothing else.
listing=$(cmake -E tar tf build/windows/Dravel03-1.0.0.1-win64.zip | sort | tr '\n' ' ')
if [ "$listing" != "Dravel03.exe README-ja.txt " ]; then
  echo "the release archive holds: $listing" >&2
  exit 1
fi
