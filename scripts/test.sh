#!/bin/sh
# Builds the editor with AddressSanitizer, UndefinedBehaviorSanitizer and warnings as errors, and runs
# every test suite (offscreen: no display needed).
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset test
cmake --build --preset test --parallel "$(nproc)"
ctest --preset test --parallel "$(nproc)"
