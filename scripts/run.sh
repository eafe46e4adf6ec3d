#!/usr/bin/env bash
# Installs what is needed, builds the program, lays it out in run/ (the
# executable beside its data) and starts it there.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/pacchetti.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVOLANE_TESTS=OFF
cmake --build build
scripts/disponi.sh build run
cd run
exec ./tarvolane
