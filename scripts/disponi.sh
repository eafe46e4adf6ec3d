#!/usr/bin/env bash
# Lays the program out in a run folder: the executable and its help pages
# beside its data. The first archive and the table of number formations are
# made only where their names are free: a file or a link of that name, even
# a link that leads nowhere (a USB stick not plugged in), is the user's and
# stays as it is; the program then says what it finds there.
# The executable and the help pages are laid out anew each time, so only
# what this script laid out is replaced: a help folder it made and a plain
# file named tarvolane. The project's own folder or its help pages as the run
# folder, a help folder that is anything else, or a tarvolane that is a link,
# a folder or anything but a plain file, are refused before anything changes.
# Any step that fails stops the script with its reason and a non-zero status.
# Usage: scripts/disponi.sh BUILD_FOLDER RUN_FOLDER (paths from the project root)
set -euo pipefail
cd "$(dirname "$0")/.."
costruzione=$1
cartella=$2
segno=.tarvolane-guida  # marks a help folder as this script's copy
ferma() {  # reason: says why the layout stops, and stops it
  echo "disponi.sh: $1" >&2
  exit 1
}
libero() { [ ! -e "$1" ] && [ ! -L "$1" ]; }
# The executable this script laid out: a plain file. A link may lead to a
# file of the user's, which a copy would overwrite.
programma() { [ -f "$1" ] && [ ! -L "$1" ]; }
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

# Folders are compared by identity, not by the text of their paths: "//path",
# a link or a bind mount reach the same folder under another name. The
# project's help pages hold the program's sources: they are neither a run
# folder nor the help pages of an earlier layout, which would be replaced.
if [ "$cartella" -ef . ]; then
  ferma "$cartella è la cartella del progetto, non una cartella in cui avviare il programma"
fi
# The run folder, or a folder above it, is the project's help; or its own
# help is. Above the run folder, the path as the system resolves it.
sopra=$(realpath -m -- "$cartella") || ferma "$cartella non è un nome di cartella"
while :; do
  [ "$sopra" -ef help ] && ferma "$cartella è nella guida del progetto, non una cartella in cui avviare il programma"
  [ "$sopra" = / ] && break
  sopra=$(dirname -- "$sopra")
done
if [ "$cartella/help" -ef help ]; then
  ferma "$cartella contiene la guida del progetto, non è una cartella in cui avviare il programma"
fi
if ! libero "$cartella/help" && ! nostra "$cartella/help"; then
  ferma "$cartella/help non è la guida del programma: resta com'è, e il programma non vi è disposto"
fi
if ! libero "$cartella/tarvolane" && ! programma "$cartella/tarvolane"; then
  ferma "$cartella/tarvolane non è il programma: resta com'è, e il programma non vi è disposto"
fi

mkdir -p "$cartella" || ferma "la cartella $cartella non si può creare"
# The executable and the help pages are first copied whole into a folder of
# this script's own beside them, then each takes its place by a rename: a
# copy cut short leaves the earlier layout as it was, and a program running
# from the old executable keeps it.
posa=$(mktemp -d "$cartella/.disponi.XXXXXX") || ferma "in $cartella non si può scrivere"
trap 'rm -rf "$posa"' EXIT
cp "$costruzione/app/tarvolane" "$posa/tarvolane" ||
  ferma "il programma $costruzione/app/tarvolane non si può copiare in $cartella"
cp -r help "$posa/help" || ferma "la guida del progetto non si può copiare in $cartella"
: > "$posa/help/$segno" || ferma "la guida copiata in $cartella non si può segnare"
rm -rf "$cartella/help" || ferma "la guida di prima in $cartella non si può togliere"
mv -T "$posa/help" "$cartella/help" || ferma "la guida non si può mettere in $cartella/help"
mv -fT "$posa/tarvolane" "$cartella/tarvolane" ||
  ferma "il programma non si può mettere in $cartella/tarvolane"

if libero "$cartella/archivio.dat"; then
  "$costruzione/tools/archivio_iniziale" data/estrazioni.csv "$cartella/archivio.dat" ||
    ferma "il primo archivio non si può scrivere in $cartella/archivio.dat"
fi
if libero "$cartella/TabFnum.txt"; then
  cp data/TabFnum.txt "$cartella/TabFnum.txt" ||
    ferma "la tabella delle formazioni non si può copiare in $cartella/TabFnum.txt"
fi
