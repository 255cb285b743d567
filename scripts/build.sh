#!/usr/bin/env bash
# Configures (Release, Ninja) and builds everything into build/. ccache is
# used when installed (it is not required).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$PWD")}"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "${launcher[@]}" > build-configure.log || { cat build-configure.log; exit 1; }
cmake --build build --parallel "$(nproc)"
