#!/usr/bin/env bash
# Installs what is needed, builds every test with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them headless. With CXX=clang++ (any
# clang) it does the same with Clang, in a build folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
CARTELLA=build-test
PACCHETTI_IN_PIU=""
case "$(basename "${CXX:-}")" in
  clang*) CARTELLA=build-test-clang PACCHETTI_IN_PIU="clang libclang-rt-dev" ;;
esac
. scripts/pacchetti.sh
cmake -S . -B "$CARTELLA" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVOLANE_SANITIZE=ON -DTARVOLANE_BENCH=ON
cmake --build "$CARTELLA"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$CARTELLA" --output-on-failure -j"$(nproc)"
