#!/usr/bin/env bash
# Builds and runs every test: the Linux build with g++, with clang++, and
# with clang++ under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --workflow --preset default
cmake --workflow --preset clang
cmake --workflow --preset asan
