#!/usr/bin/env bash
# Builds the program in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/deps.sh "${BUILD_PACKAGES[@]}"

cmake --preset release
cmake --build --preset release -j "$(nproc)"
exec build/release/bin/quorvel
