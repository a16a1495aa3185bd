#!/usr/bin/env bash
# Builds the program (and its help files) in release mode and starts it; the
# tests, tools and benchmarks are left to scripts/test.sh and the README.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/deps.sh "${BUILD_PACKAGES[@]}"

cmake --preset release
cmake --build --preset release -j "$(nproc)"
exec build/release/bin/quorvel
