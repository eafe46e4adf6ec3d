// Spy numbers. For a wheel and a number (the spy), the spy's twenty most
// recent appearances before the last draw of a range; for every pair of
// numbers seen in the scanned draws, how many of those appearances were
// followed within nine draws by one of the pair's numbers (the earliest draw,
// and within it the earliest position, wins); the five best pairs whose two
// numbers both hit, and whether a play is under way at the end of the range.
//
// Elabora_Spia returns the analysis with the texts of its best pairs; the
// report functions turn it into the lines of the window's text pane.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/archivio.h"
#include "core/esito.h"

namespace NumeriSpia {

inline constexpr int kOccorrenze = 20;  // appearances of the spy examined
inline constexpr int kColpi = 9;        // draws played after an appearance
inline constexpr int kMigliori = 5;     // pairs reported
// A range needs fine - inizio >= 100 (at least 101 draws).
inline constexpr int kDifferenzaMinima = 100;
inline constexpr std::string_view kPocheEstrazioni = "Poche Estrazioni !";

struct Analisi {
  int ruota = 0;
  int spia = 0;
  int inizio = 0;
  int fine = 0;
  // Draws before `fine` in which the spy came out, newest first (at most 20).
  std::vector<int> occorrenze;
  bool spiaInUltima = false;  // the spy is among the numbers of draw `fine`
  // The oldest appearance whose nine draws are not all played (fine - 8 ..
  // fine - 1); 0 when none.
  int giocoAperto = 0;
  // The best pairs as items of the sorted pair list ("CC AA.B  CA/CB" and
  // the outcome tail), ascending: the highest count last.
  std::vector<std::string> ListT;
  // Their detail items: two characters of sort key (20 - count) and the
  // detail text, ascending: the order of the report.
  std::vector<std::string> ListZ;

  // The draw the outcome line speaks of: the open play, else `fine` when the
  // spy came out in it, else 0.
  int esito() const { return giocoAperto > 0 ? giocoAperto : (spiaInUltima ? fine : 0); }
};

// The analysis of spy `spia` on wheel `ruota` over inizio..fine. A range of
// fewer than 101 draws fails with kPocheEstrazioni.
// REQUIRES: 1 <= ruota <= 10, 1 <= spia <= 90, 1 <= inizio, fine valid draws of a
Risultato<Analisi> Elabora_Spia(const Archivio& a, int ruota, int spia, int inizio, int fine);

// The report of one analysis, one text per line: the title line "<titolo> -
// Numeri Spia", a blank line, the spy line, a blank line, the outcome and the
// detail lines of the best pairs.
std::vector<std::string> Rapporto(const Archivio& a, const Analisi& s, std::string_view titolo);

// The heading of a report: "<titolo> - Numeri Spia" and a blank line.
std::vector<std::string> Intestazione(std::string_view titolo);

// The all-numbers report: its heading, then for each spy 1..90 whose play is
// under way at the end of the range while one of its best pairs has not come
// out in it, the spy line, the outcome, the detail lines and a line of 80 "-".
// A range of fewer than 101 draws fails with kPocheEstrazioni.
Risultato<std::vector<std::string>> RapportoTutti(const Archivio& a, int ruota, int inizio,
                                                  int fine, std::string_view titolo);

}  // namespace NumeriSpia
