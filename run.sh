#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vantor on the user's display:
#   ./run.sh [FILE]
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
exec build/vantor "$@"
