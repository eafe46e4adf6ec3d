#!/usr/bin/env bash
# Lays the program out in a run folder: the executable and its help pages
# beside its data. The first archive and the table of number formations are
# made only where their names are free: a file or a link of that name, even
# a link that leads nowhere (a USB stick not plugged in), is the user's and
# stays as it is; the program then says what it finds there.
# Usage: scripts/disponi.sh BUILD_FOLDER RUN_FOLDER (paths from the project root)
set -euo pipefail
cd "$(dirname "$0")/.."
costruzione=$1
cartella=$2
libero() { [ ! -e "$1" ] && [ ! -L "$1" ]; }
mkdir -p "$cartella"
cp "$costruzione/app/tarvolane" "$cartella/"
rm -rf "$cartella/help" && cp -r help "$cartella/help"
if libero "$cartella/archivio.dat"; then
  "$costruzione/tools/archivio_iniziale" data/estrazioni.csv "$cartella/archivio.dat"
fi
if libero "$cartella/TabFnum.txt"; then
  cp data/TabFnum.txt "$cartella/"
fi
