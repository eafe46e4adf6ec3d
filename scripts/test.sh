#!/usr/bin/env bash
# Installs what is needed, builds every test with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them headless.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/pacchetti.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVOLANE_SANITIZE=ON -DTARVOLANE_BENCH=ON
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
