#!/usr/bin/env bash
# The run folder's layout: the first archive and the formation table are made
# where their names are free, and a link of either name, even one that leads
# nowhere, stays as the user left it; only a help folder the layout made is
# replaced, and the project's own folder is refused.
# Usage: disponi_test.sh SOURCE_FOLDER BUILD_FOLDER
set -uo pipefail
sorgenti=$1
costruzione=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falliti=0
controlla() {  # description, command...
  local cosa=$1
  shift
  if ! "$@"; then
    echo "FALLITO: $cosa"
    falliti=1
  fi
}

# A new folder gets both files.
"$sorgenti/scripts/disponi.sh" "$costruzione" "$tmp/nuova" || falliti=1
controlla "archivio.dat di 275000 byte" test "$(stat -c %s "$tmp/nuova/archivio.dat" 2>/dev/null)" = 275000
controlla "TabFnum.txt copiata" cmp -s "$sorgenti/data/TabFnum.txt" "$tmp/nuova/TabFnum.txt"
controlla "programma e guida" test -x "$tmp/nuova/tarvolane" -a -d "$tmp/nuova/help"

# Links to a stick that is not plugged in, and a table of the user's own.
mkdir -p "$tmp/run"
ln -s /media/chiavetta-assente/archivio.dat "$tmp/run/archivio.dat"
ln -s ../chiavetta/TabFnum.txt "$tmp/run/TabFnum.txt"
"$sorgenti/scripts/disponi.sh" "$costruzione" "$tmp/run" || { echo "FALLITO: disponi.sh"; falliti=1; }
controlla "il collegamento dell'archivio resta" \
  test "$(readlink "$tmp/run/archivio.dat")" = /media/chiavetta-assente/archivio.dat
controlla "il collegamento della tabella resta" \
  test "$(readlink "$tmp/run/TabFnum.txt")" = ../chiavetta/TabFnum.txt
controlla "nessun file dietro i collegamenti" test ! -e "$tmp/chiavetta"

# Files already there are left alone.
printf 'mia' > "$tmp/nuova/TabFnum.txt"
printf 'mio' > "$tmp/nuova/archivio.dat"
"$sorgenti/scripts/disponi.sh" "$costruzione" "$tmp/nuova" || falliti=1
controlla "l'archivio dell'utente resta" test "$(cat "$tmp/nuova/archivio.dat")" = mio
controlla "la tabella dell'utente resta" test "$(cat "$tmp/nuova/TabFnum.txt")" = mia
# The help pages of an earlier layout, without the mark, are replaced.
rm "$tmp/nuova/help/.tarvolane-guida"
printf 'vecchia' > "$tmp/nuova/help/10000.html"
"$sorgenti/scripts/disponi.sh" "$costruzione" "$tmp/nuova" || falliti=1
controlla "la guida di prima rinnovata" cmp -s "$sorgenti/help/10000.html" "$tmp/nuova/help/10000.html"

# A help folder of the user's own, or a link of that name, is refused before
# anything changes; so is the project's folder (here a copy of it), whose
# help pages are the program's sources.
mkdir -p "$tmp/mia/help" "$tmp/link" "$tmp/progetto"
printf 'mia' > "$tmp/mia/help/appunti.txt"
ln -s ../mia/help "$tmp/link/help"
cp -r "$sorgenti/scripts" "$sorgenti/help" "$sorgenti/data" "$tmp/progetto/"
for rifiutata in "$tmp/mia" "$tmp/link" "$tmp/progetto/."; do
  controlla "$rifiutata rifiutata" \
    test "$("$tmp/progetto/scripts/disponi.sh" "$costruzione" "$rifiutata" 2>/dev/null; echo $?)" = 1
  controlla "$rifiutata senza programma" test ! -e "$rifiutata/tarvolane"
done
controlla "la guida dell'utente resta" test "$(cat "$tmp/mia/help/appunti.txt")" = mia
controlla "il collegamento resta" test "$(readlink "$tmp/link/help")" = ../mia/help
controlla "la guida del progetto resta" diff -r "$sorgenti/help" "$tmp/progetto/help"
exit $falliti
