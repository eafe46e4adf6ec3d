#include "methods/regole.h"

#include "core/stato.h"
#include "methods/tavola.h"

namespace metodi {

const Regole& Lotto() {
  static const Regole r{
      {1, 2, 3, 4, 5},
      {false, false, false, false, false},
      {"Ambata", "Ambo", "Terno", "Quaterna", "Cinquina"},
      {"Ambata", "Ambo", "Terno", "Quat", "Cinq"},
      "Sorte",
      true,
      false,
      10,
      "DirAvvio",
      [](const Stato& s, int ultima) { return Tavola::Lotto(s.ArchivioEstrazioni, ultima); },
  };
  return r;
}

const Regole& SuperEnalotto() {
  static const Regole r{
      {3, 4, 5, 6, 6},
      {false, false, false, true, false},
      {"Tre", "Quattro", "Cinque", "5+1", "Sei"},
      {"Tre", "Quattro", "Cinque", "5+1", "Sei"},
      "Punti",
      false,
      true,
      5,
      "DirAvvioS",
      [](const Stato& s, int ultima) {
        return Tavola::SuperEnalotto(s.ArchivioSuperEnalotto, ultima);
      },
  };
  return r;
}

}  // namespace metodi
