#!/usr/bin/env bash
# Lays the program out in a run folder: the executable and its help pages
# beside its data. The first archive and the table of number formations are
# made only where their names are free: a file or a link of that name, even
# a link that leads nowhere (a USB stick not plugged in), is the user's and
# stays as it is; the program then says what it finds there.
# The help pages are laid out anew each time, so only a help folder that
# this script laid out is replaced: the project's own folder, or a folder
# whose help is anything else, is refused before anything changes.
# Usage: scripts/disponi.sh BUILD_FOLDER RUN_FOLDER (paths from the project root)
set -euo pipefail
cd "$(dirname "$0")/.."
costruzione=$1
cartella=$2
segno=.tarvolane-guida  # marks a help folder as this script's copy
libero() { [ ! -e "$1" ] && [ ! -L "$1" ]; }
# A help folder this script laid out: marked, or, from before the mark, a
# folder of nothing but folders and files named as the pages are.
nostra() {
  [ -d "$1" ] && [ ! -L "$1" ] || return 1
  [ -f "$1/$segno" ] && return 0
  local voce
  while IFS= read -r -d '' voce; do
    [ -d "$1/$voce" ] && [ ! -L "$1/$voce" ] && [ -d "help/$voce" ] && continue
    [ -f "$1/$voce" ] && [ ! -L "$1/$voce" ] && [ -f "help/$voce" ] && continue
    return 1
  done < <(cd "$1" && find . -mindepth 1 -printf '%P\0')
}
if [ -e "$cartella" ] && [ "$(cd "$cartella" && pwd -P)" = "$(pwd -P)" ]; then
  echo "disponi.sh: $cartella è la cartella del progetto, non una cartella in cui avviare il programma" >&2
  exit 1
fi
if ! libero "$cartella/help" && ! nostra "$cartella/help"; then
  echo "disponi.sh: $cartella/help non è la guida del programma: resta com'è, e il programma non vi è disposto" >&2
  exit 1
fi
mkdir -p "$cartella"
cp "$costruzione/app/tarvolane" "$cartella/"
rm -rf "$cartella/help" && cp -r help "$cartella/help" && : > "$cartella/help/$segno"
if libero "$cartella/archivio.dat"; then
  "$costruzione/tools/archivio_iniziale" data/estrazioni.csv "$cartella/archivio.dat"
fi
if libero "$cartella/TabFnum.txt"; then
  cp data/TabFnum.txt "$cartella/"
fi
