#!/usr/bin/env bash
# Builds and runs the large-file benchmark: ./bench.sh [--quick]
# Without --quick it first runs the near-limit tests at their real sizes
# (gigabytes of memory; the test suite runs them scaled down).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
if [ "${1:-}" != --quick ]; then
  VANTOR_NEAR_LIMIT=full build/tests/test_view --gtest_filter='NearLimit.*'
fi
QT_QPA_PLATFORM=offscreen exec build/bench/vantor_bench "$@"
