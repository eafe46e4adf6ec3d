// Archives for the detector's tests, written so that the methods they hold
// can be read off by hand.
#pragma once

#include <vector>

#include "core/classi.h"
#include "support/estrazioni_csv.h"

namespace prova {

// Draws on BARI only, fifth extract as the base number of each month's first
// draw. December 1998 opens the archive; each month of 1999 has its first
// draw on the 2nd and a later draw on the 9th where base + 3 (even months)
// or base + 17 (odd months) comes out, with base + 22, 41, 58 or 80 beside
// it in months 1-4, 5-7, 8-10 and 11 (June's hit waits for the 16th,
// February's draw holds three of the numbers). January 2000, the target,
// starts on the 1st with base 37; one draw of February 2000 follows.
inline std::vector<Estrazione> EstrazioniDetector() {
  const int basi[] = {37, 80, 90, 5, 60, 73, 12, 88, 45, 70, 1, 50};
  const int seconde[] = {22, 22, 22, 22, 41, 41, 41, 58, 58, 58, 80, 0};
  std::vector<Estrazione> e{Fai({5, 12, 1998}, {{1, 2, 3, 4, 5}})};
  for (int m = 1; m <= 12; ++m) {
    const int b = basi[m - 1];
    const int colpito = Inizio::Fuori90(b + (m % 2 ? 17 : 3));
    const int seconda = seconde[m - 1] ? Inizio::Fuori90(b + seconde[m - 1]) : 0;
    e.push_back(Fai({2, m, 1999}, {{0, 0, 0, 0, b}}));
    if (m == 2) {
      e.push_back(Fai({9, 2, 1999}, {{83, 7, 12}}));
    } else if (m == 6) {
      e.push_back(Fai({9, 6, 1999}, {{Inizio::Fuori90(b + 45)}}));
      e.push_back(Fai({16, 6, 1999}, {{colpito, seconda}}));
    } else {
      e.push_back(Fai({9, m, 1999}, {{colpito, seconda}}));
    }
  }
  e.push_back(Fai({1, 1, 2000}, {{0, 0, 0, 0, 37}}));
  e.push_back(Fai({8, 1, 2000}, {{11}}));
  e.push_back(Fai({15, 1, 2000}, {{40}}));
  e.push_back(Fai({22, 1, 2000}, {{11, 54, 78}}));
  e.push_back(Fai({29, 1, 2000}, {{59, 40}}));
  e.push_back(Fai({5, 2, 2000}, {{40, 54}}));
  return e;
}

// December 1998, then for each month of 1999 its first draw (base `basi`)
// and one later draw per list of additions: the numbers base + x on BARI.
// January 2000 has one draw of base 37.
inline std::vector<Estrazione> MesiDi(const std::vector<int>& basi,
                                      const std::vector<std::vector<std::vector<int>>>& addendi) {
  std::vector<Estrazione> e{Fai({5, 12, 1998}, {{1, 2, 3, 4, 5}})};
  for (int m = 1; m <= 12; ++m) {
    const int b = basi[m - 1];
    e.push_back(Fai({1, m, 1999}, {{0, 0, 0, 0, b}}));
    int giorno = 1;
    for (const auto& estrazione : addendi[m - 1]) {
      Estrazione x = Fai({giorno += 3, m, 1999});
      int p = 0;
      for (int a : estrazione) x.numeri[0][p++] = Inizio::Fuori90(b + a);
      e.push_back(x);
    }
  }
  e.push_back(Fai({1, 1, 2000}, {{0, 0, 0, 0, 37}}));
  return e;
}

}  // namespace prova
