#include "methods/regole.h"

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
  };
  return r;
}

}  // namespace metodi
