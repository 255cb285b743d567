#!/usr/bin/env bash
# Configures (Release, Ninja) and builds everything into build/. ccache is
# used when installed (it is not required).
#
# SANITIZE=1 builds the test programs instead into build-sanitize/ with
# AddressSanitizer and UndefinedBehaviorSanitizer (any finding stops the
# program with an error).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$PWD")}"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
dir=build
flags=()
targets=()
if [ -n "${SANITIZE:-}" ]; then
  dir=build-sanitize
  sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
  # -O1 keeps the build and the runs quick; -g1 gives the reports lines.
  # The tests' own sources leave out the undefined-behaviour checks, which
  # would double their build time and look only at test code.
  flags=(-DCMAKE_CXX_FLAGS_RELEASE="-O1 -g1" -DCMAKE_CXX_FLAGS="$sanitize"
         -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize"
         -DVANTOR_TEST_COMPILE_OPTIONS=-fno-sanitize=undefined)
  targets=(--target vantor_tests)
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "${launcher[@]}" "${flags[@]}" \
  > "$dir-configure.log" || { cat "$dir-configure.log"; exit 1; }
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
