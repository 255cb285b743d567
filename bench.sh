#!/usr/bin/env bash
# Builds and runs the large-file benchmark: ./bench.sh [--quick]
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
QT_QPA_PLATFORM=offscreen exec build/bench/vantor_bench "$@"
