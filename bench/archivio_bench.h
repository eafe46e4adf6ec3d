// The archive every benchmark runs on: the last 4999 real draws when the file
// of real draws is present, 4999 generated draws otherwise.
#pragma once

#include "core/archivio.h"
#include "core/rsc.h"
#include "support/estrazioni_csv.h"

namespace bench {

inline const Archivio& Archivio4999() {
  static const Archivio a = [] {
    auto e = prova::Ultime(4999);
    if (e.size() < 4999) e = prova::Sintetiche(4999);
    return CostruisciArchivio(e);
  }();
  return a;
}

// The five distance archives of that archive.
inline const Rsc::Tabelle& TabelleRSC4999() {
  static const Rsc::Tabelle t = [] {
    Rsc::Tabelle out;
    for (int k = 1; k <= 5; ++k) out[k - 1] = Rsc::Crea_Archivio(Archivio4999(), k);
    return out;
  }();
  return t;
}

}  // namespace bench
