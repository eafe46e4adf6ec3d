// Indices derived from the draw archive: number of draws, date of the last
// draw, draw labels, year list, ordinals within year and month, and the
// SuperEnalotto draw derived from each Lotto draw.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"

struct Indici {
  int TotEstrazioni = 0;
  Data DataUltimaEstrazione{};
  // DescrEstrazioni[d], d = 1..TotEstrazioni: the short label of draw d in
  // exactly 22 characters; entry 0 is empty.
  std::vector<std::string> DescrEstrazioni;
  // One 8-character entry per year present, in archive order: the four-digit
  // year and the index of its first draw in four digits ("19460001").
  std::vector<std::string> AnniArchivio;
  // Ordinal of draw d within its year / month, d = 1..5000 (0 beyond the draws).
  std::array<int, formato::kRecord + 1> NumEstrAnno{};
  std::array<int, formato::kRecord + 1> NumEstrMese{};
};

// SuperEnalotto draw of each Lotto draw: [d][1..6] six numbers ascending,
// [d][7] the jolly; d = 1..5000, 0 where nothing was derived.
using SuperEnalotto = std::vector<std::array<std::uint8_t, 8>>;

namespace Inizio {

// The index build. Scans from record 1 to the first free record.
// REQUIRES: a holds at least one draw followed by a free record (see
// Archivio::Decodifica); otherwise TotEstrazioni stays as it was.
void Aggiorna_Indici_Archivio(const Archivio& a, Indici& indici);

// The label of draw n: short (stile != "L", "3067 - Sab  9 Gen 1999") or long
// (stile == "L", "3067 - Sabato  9 Gennaio 1999"). UTF-8.
// REQUIRES: record n holds a valid date.
std::string Descrivi_Estrazione(const Archivio& a, int n, std::string_view stile = "");

// The SuperEnalotto draw of record n: the first numbers of BARI, FIRENZE,
// MILANO, NAPOLI, PALERMO, ROMA and, as jolly, VENEZIA; a number already taken
// is replaced by the next number of the same wheel not yet taken.
std::array<std::uint8_t, 8> Deriva_SuperEnalotto(const Archivio& a, int n);
SuperEnalotto Crea_Archivio_SuperEnalotto(const Archivio& a, int totEstrazioni);

// "5.1.1999": day, month, century and two-digit year, no leading zeros on day
// and month; the date form of the board headers and the editor.
std::string DataBreve(const Archivio& a, int d, char separatore = '.');

// The range line of the tools' status bars: "Archivio : da Estr.", the short
// label of `inizio`, "  a Estr.", the short label of `fine`, "  ( ", the count
// of draws of the range and " Estrazioni )".
// REQUIRES: 1 <= inizio <= fine, both valid draws of a
std::string Descrivi_Periodo(const Archivio& a, int inizio, int fine);

}  // namespace Inizio
