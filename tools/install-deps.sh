#!/usr/bin/env bash
# Installs, as root, what building and testing needs on Debian 12; only the
# packages that are missing.
set -euo pipefail

# libclang-rt-14-dev holds the sanitizer and libFuzzer runtimes of clang.
# hyperfine and time serve bench/run.sh.
packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev mingw-w64 wine wine64 xvfb xauth
  hyperfine time)
need=()
for pkg in "${packages[@]}"; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
fi
