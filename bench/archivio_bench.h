// The archive every benchmark runs on: the last 4999 real draws when the file
// of real draws is present, 4999 generated draws otherwise.
#pragma once

#include "core/archivio.h"
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

}  // namespace bench
