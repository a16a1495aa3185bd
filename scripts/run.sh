#!/usr/bin/env bash
# Builds the program in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/deps.sh "${BUILD_PACKAGES[@]}"

cmake --preset release
cmake --build --preset release -j "$(nproc)"
if [ -x build/release/src/ui/quorvel ]; then
    exec build/release/src/ui/quorvel
fi
# Until the windows exist, the model benchmark shows the model at work.
exec build/release/bench/bench_model
