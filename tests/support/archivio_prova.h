// Small archives written by hand: draw d is dated d January 1999 and lists its
// wheels' numbers from BARI on (missing wheels and numbers are 0).
#pragma once

#include <initializer_list>
#include <vector>

#include "support/estrazioni_csv.h"

namespace prova {

// REQUIRES: at most 31 draws
inline Archivio ArchivioDi(
    std::initializer_list<std::initializer_list<std::initializer_list<int>>> estrazioni) {
  std::vector<Estrazione> e;
  for (const auto& ruote : estrazioni)
    e.push_back(Fai({static_cast<int>(e.size()) + 1, 1, 1999}, ruote));
  return CostruisciArchivio(e);
}

}  // namespace prova
