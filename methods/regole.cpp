#include "methods/regole.h"

#include "core/stato.h"
#include "methods/tavola.h"

namespace metodi {

const Regole& Lotto() {
  static const Regole r{
      {1, 2, 3, 4, 5},
      {"Ambata", "Ambo", "Terno", "Quaterna", "Cinquina"},
      {"Ambata", "Ambo", "Terno", "Quat", "Cinq"},
      "Sorte",
      true,
      10,
      "DirAvvio",
      [](const Stato& s, int ultima) { return Tavola::Lotto(s.ArchivioEstrazioni, ultima); },
  };
  return r;
}

}  // namespace metodi
