#!/usr/bin/env bash
# The run folder's layout: the first archive and the formation table are made
# where their names are free, and a link of either name, even one that leads
# nowhere, stays as the user left it.
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
exit $falliti
