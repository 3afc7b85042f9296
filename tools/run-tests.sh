#!/usr/bin/env bash
# Builds and runs every test: the Linux build with g++ and with clang++.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --workflow --preset default
cmake --workflow --preset clang
