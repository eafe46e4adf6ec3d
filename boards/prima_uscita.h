// The backward scan shared by the boards: from a reference draw back to a
// first draw, the latest appearance of every value on every wheel.
#pragma once

#include <array>

#include "core/archivio.h"

namespace Tabelloni {

// Calls fn(r, w, p, x) once for each wheel w and value x (1..90) met in draws
// lo..riferimento of `immagine`, at its latest draw d, with r = riferimento - d
// and p the position it had there. Calls come in increasing r; values 0 and
// above 90 are skipped. Nothing when lo > riferimento.
// REQUIRES: 1 <= lo, riferimento <= 5000
template <class Fn>
void PerPrimaUscita(const Archivio& immagine, int riferimento, int lo, Fn&& fn) {
  std::array<std::array<bool, 91>, formato::kRuote + 1> visto{};
  int mancanti = formato::kRuote * 90;
  for (int d = riferimento; d >= lo && mancanti > 0; --d)
    for (int w = 1; w <= formato::kRuote; ++w)
      for (int p = 1; p <= formato::kPosizioni; ++p) {
        const int x = immagine(d, w, p);
        if (x == 0 || x > 90 || visto[w][x]) continue;
        visto[w][x] = true;
        --mancanti;
        fn(riferimento - d, w, p, x);
      }
}

}  // namespace Tabelloni
