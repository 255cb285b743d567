#!/usr/bin/env bash
# Configures (Release, Ninja) and builds everything into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" > build-configure.log || { cat build-configure.log; exit 1; }
cmake --build build --parallel "$(nproc)"
