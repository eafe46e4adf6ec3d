#!/usr/bin/env bash
# The run folder's layout: the first archive and the formation table are made
# where their names are free, and a link of either name, even one that leads
# nowhere, stays as the user left it; only a help folder and an executable
# the layout made are replaced, and the project's own folder or help pages
# are refused; a step that fails stops the layout with its reason.
# Usage: disponi_test.sh SOURCE_FOLDER BUILD_FOLDER
set -uo pipefail
sorgenti=$1
costruzione=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falliti=0
contenuto() {  # folder: its names, in one line
  find "$1" -mindepth 1 -maxdepth 1 -printf '%f\n' | LC_ALL=C sort | tr '\n' ' '
}
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
controlla "nient'altro nella cartella" \
  test "$(contenuto "$tmp/nuova")" = "TabFnum.txt archivio.dat help tarvolane "

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
# The help pages of an earlier layout, without the mark, are replaced; the
# executable is replaced by a new file, so one still running (here another
# link to the same file) keeps the old one.
rm "$tmp/nuova/help/.tarvolane-guida"
printf 'vecchia' > "$tmp/nuova/help/10000.html"
printf 'vecchio' > "$tmp/nuova/tarvolane"
ln "$tmp/nuova/tarvolane" "$tmp/in-uso"
"$sorgenti/scripts/disponi.sh" "$costruzione" "$tmp/nuova" || falliti=1
controlla "la guida di prima rinnovata" cmp -s "$sorgenti/help/10000.html" "$tmp/nuova/help/10000.html"
controlla "il programma rinnovato" cmp -s "$costruzione/app/tarvolane" "$tmp/nuova/tarvolane"
controlla "il programma in uso resta" test "$(cat "$tmp/in-uso")" = vecchio

# A help folder of the user's own, a link of that name (even to an earlier
# layout), or a tarvolane that is a link to a user's file, is refused with
# its reason before anything changes; so are the project's folder (here a
# copy of it), under any path that reaches it, and its help pages, which are
# the program's sources.
# shellcheck disable=SC2317  # run through controlla
rifiutata() {  # run folder: the copy's script refuses it, in a line of its own
  "$tmp/progetto/scripts/disponi.sh" "$costruzione" "$1" >/dev/null 2>"$tmp/errore"
  test $? = 1 && test "$(wc -l < "$tmp/errore")" = 1 && grep -q '^disponi.sh: ' "$tmp/errore"
}
# shellcheck disable=SC2317  # run through controlla
progetto_intatto() {
  test "$(contenuto "$tmp/progetto")" = "data help scripts " &&
    diff -r "$sorgenti/help" "$tmp/progetto/help" &&
    diff -r "$sorgenti/data" "$tmp/progetto/data" &&
    diff -r "$sorgenti/scripts" "$tmp/progetto/scripts"
}
mkdir -p "$tmp/mia/help" "$tmp/link" "$tmp/eseguibile" "$tmp/utente" "$tmp/progetto"
printf 'mia' > "$tmp/mia/help/appunti.txt"
ln -s ../nuova/help "$tmp/link/help"
printf 'mio programma' > "$tmp/utente/programma"
ln -s ../utente/programma "$tmp/eseguibile/tarvolane"
cp -r "$sorgenti/scripts" "$sorgenti/help" "$sorgenti/data" "$tmp/progetto/"
for cartella in "$tmp/mia" "$tmp/link"; do
  controlla "$cartella rifiutata" rifiutata "$cartella"
  controlla "$cartella senza programma" test ! -e "$cartella/tarvolane"
done
controlla "la guida dell'utente resta" test "$(cat "$tmp/mia/help/appunti.txt")" = mia
controlla "il collegamento resta" test "$(readlink "$tmp/link/help")" = ../nuova/help
controlla "$tmp/eseguibile rifiutata" rifiutata "$tmp/eseguibile"
controlla "il programma dell'utente resta" test "$(cat "$tmp/utente/programma")" = "mio programma"
controlla "nulla disposto accanto al collegamento" test "$(contenuto "$tmp/eseguibile")" = "tarvolane "
for cartella in "$tmp/progetto/." "/$tmp/progetto" help "$tmp/progetto/help" help/nuova \
  "$tmp/progetto/help/nuova/run"; do
  controlla "$cartella rifiutata" rifiutata "$cartella"
  controlla "il progetto resta dopo $cartella" progetto_intatto
done

# A copy that fails (here the help pages are missing from the project) stops
# the layout with its reason, and the earlier layout stays as it was.
mkdir -p "$tmp/senza-guida"
cp -r "$sorgenti/scripts" "$sorgenti/data" "$tmp/senza-guida/"
prima=$(contenuto "$tmp/nuova")
"$tmp/senza-guida/scripts/disponi.sh" "$costruzione" "$tmp/nuova" >/dev/null 2>"$tmp/errore"
controlla "copia fallita: uscita non nulla" test $? != 0
controlla "copia fallita: il motivo" grep -q '^disponi.sh: ' "$tmp/errore"
controlla "copia fallita: nulla aggiunto né tolto" test "$(contenuto "$tmp/nuova")" = "$prima"
controlla "copia fallita: la guida di prima resta" \
  diff -r -x .tarvolane-guida "$sorgenti/help" "$tmp/nuova/help"
controlla "copia fallita: il programma di prima resta" \
  cmp -s "$costruzione/app/tarvolane" "$tmp/nuova/tarvolane"
exit $falliti
