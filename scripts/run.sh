#!/usr/bin/env bash
# Installs what is needed, builds the program, lays it out in run/ (the
# executable beside its data) and starts it there.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/pacchetti.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVOLANE_TESTS=OFF
cmake --build build
mkdir -p run
cp build/app/tarvolane run/
rm -rf run/help && cp -r help run/help
if [ ! -f run/archivio.dat ]; then
  build/tools/archivio_iniziale data/estrazioni.csv run/archivio.dat
fi
[ -f run/TabFnum.txt ] || cp data/TabFnum.txt run/
cd run
exec ./tarvolane
