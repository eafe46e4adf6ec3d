// Distance archives ("RSC"): for each position k = 1..5, table k restates
// every draw as the distances of its numbers from the k-th number of the
// previous draw on the same wheel (1..90 on the circle of 90; 0 when either
// number is missing; 0 throughout draw 1). Wheel 0 copies the archive's date
// bytes. The tables are stored beside the archive as Rsc1.dat..Rsc5.dat.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/archivio.h"
#include "core/esito.h"

namespace Rsc {

using Tabelle = std::array<Archivio, 5>;  // [k - 1]

// Distance from e to x: x - e, plus 90 when below 1; 0 when either is 0.
inline std::uint8_t DistanzaRSC(int e, int x) {
  if (e == 0 || x == 0) return 0;
  const int v = x - e;
  return static_cast<std::uint8_t>(v >= 1 ? v : v + 90);
}

// "Rsc1.dat".."Rsc5.dat".
std::string NomeFile(int k);

// Full build of table k from every record of the archive (free ones too);
// the century byte of record 5000 is written as 99.
// REQUIRES: 1 <= k <= 5
Archivio Crea_Archivio(const Archivio& a, int k);

// The last draw the tables cover: the highest record of table 1 whose century
// byte is above 18 and whose day byte is not 0; 0 when none.
int UltimaEstrRSC(const Tabelle& t);

// True when any of the five files is missing from the folder.
bool FileMancanti(const std::filesystem::path& cartella);
// Writes table k to its file (atomically). The file is the program's own: a
// symbolic link of that name is replaced by a regular file, never written
// through. Refused, writing nothing, when archivio.dat of the folder leads
// through links to that name (the file would replace the draw archive).
Esito Scrivi(const std::filesystem::path& cartella, int k, const Archivio& tabella);
// Reads the five files; fails on a missing or unreadable file or a size other
// than 275000 bytes.
Risultato<Tabelle> Carica(const std::filesystem::path& cartella);

// The start-up's distance archives: the tables in memory are always the full
// build of the archive (a few milliseconds), whatever the files hold; a file
// that is missing, unreadable, a symbolic link, or differs from its table (an
// older archive, a write cut short, a damaged byte) is rewritten.
struct Preparazione {
  Tabelle tabelle;
  int UltimaEstrRSC = 0;
  int riscritti = 0;    // files written
  std::string errore;   // the first write that failed; empty when none
};
// Never fails: when a file cannot be written (a read-only folder), the reason
// is kept in `errore`, no further file is tried, and the tables are right in
// memory all the same.
Preparazione Prepara(const std::filesystem::path& cartella, const Archivio& a);

}  // namespace Rsc
