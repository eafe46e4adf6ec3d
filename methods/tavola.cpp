#include "methods/tavola.h"

namespace metodi {

Tavola Tavola::Lotto(const Archivio& a, int ultima) {
  Tavola t(formato::kRuote, formato::kPosizioni, ultima);
  t.mNumeri.resize(static_cast<std::size_t>(ultima) * formato::kRuote * formato::kPosizioni);
  for (int e = 1; e <= ultima; ++e)
    for (int w = 1; w <= formato::kRuote; ++w)
      for (int p = 1; p <= formato::kPosizioni; ++p)
        t.mNumeri[t.Indice(e, w) * formato::kPosizioni + static_cast<std::size_t>(p - 1)] = a(e, w, p);
  t.Indicizza();
  return t;
}

void Tavola::Indicizza() {
  const std::size_t liste = static_cast<std::size_t>(mRuote) * 91;
  // A number drawn twice on one wheel of one draw counts once; 0 and numbers
  // above 90 are not numbers.
  auto perOgni = [this](auto&& fai) {
    for (int e = 1; e <= mUltima; ++e)
      for (int w = 1; w <= mRuote; ++w) {
        const auto n = numeri(e, w);
        for (std::size_t p = 0; p < n.size(); ++p) {
          bool doppio = false;
          for (std::size_t q = 0; q < p; ++q) doppio = doppio || n[q] == n[p];
          if (n[p] >= 1 && n[p] <= 90 && !doppio) fai(e, w, n[p]);
        }
      }
  };
  std::vector<int> conta(liste, 0);
  perOgni([&](int, int w, int n) { ++conta[Lista(w, n)]; });
  mInizio.assign(liste, 0);
  int posto = 0;
  for (std::size_t l = 0; l < liste; ++l) {
    mInizio[l] = posto;
    posto += conta[l] + 1;  // the sentinel
  }
  mUscite.assign(static_cast<std::size_t>(posto), kFine);
  std::vector<int> prossimo(mInizio);
  perOgni([&](int e, int w, int n) { mUscite[static_cast<std::size_t>(prossimo[Lista(w, n)]++)] = e; });
}

}  // namespace metodi
