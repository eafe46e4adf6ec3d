#include "methods/tavola.h"

#include <algorithm>

namespace metodi {
namespace {

// Lists of draws in one vector: counts, then offsets (one more slot per list
// for the sentinel), then the draws in ascending order.
struct Liste {
  explicit Liste(std::size_t n) : conta(n, 0) {}
  void Disponi(std::vector<int>& inizio, std::vector<Tavola::Estrazione>& uscite) {
    inizio.assign(conta.size(), 0);
    int posto = 0;
    for (std::size_t l = 0; l < conta.size(); ++l) {
      inizio[l] = posto;
      posto += conta[l] + 1;
    }
    uscite.assign(static_cast<std::size_t>(posto), Tavola::kFine);
    prossimo = inizio;
  }
  std::vector<int> conta;
  std::vector<int> prossimo;
};

}  // namespace

Tavola Tavola::Lotto(const Archivio& a, int ultima) {
  Tavola t(formato::kRuote, formato::kPosizioni, ultima);
  t.mNumeri.resize(static_cast<std::size_t>(ultima) * formato::kRuote * formato::kPosizioni);
  for (int e = 1; e <= ultima; ++e)
    for (int w = 1; w <= formato::kRuote; ++w)
      for (int p = 1; p <= formato::kPosizioni; ++p)
        t.mNumeri[t.Indice(e, w) * formato::kPosizioni + static_cast<std::size_t>(p - 1)] =
            a(e, w, p);
  t.Indicizza();
  return t;
}

Tavola Tavola::SuperEnalotto(const ::SuperEnalotto& s, int ultima) {
  constexpr int kNumeri = 6;
  Tavola t(1, kNumeri, ultima);
  t.mNumeri.assign(static_cast<std::size_t>(ultima) * kNumeri, 0);
  t.mJolly.assign(static_cast<std::size_t>(ultima), 0);
  for (int e = 1; e <= ultima && static_cast<std::size_t>(e) < s.size(); ++e) {
    const auto& colonne = s[static_cast<std::size_t>(e)];
    for (int c = 1; c <= kNumeri; ++c)
      t.mNumeri[t.Indice(e, 1) * kNumeri + static_cast<std::size_t>(c - 1)] = colonne[c];
    t.mJolly[t.Indice(e, 1)] = colonne[7];
  }
  t.Indicizza();
  return t;
}

void Tavola::Indicizza() {
  // The distinct numbers 1..90 of each draw and wheel, ascending: a number
  // drawn twice counts once, 0 is no number.
  mOrdinati.assign(mNumeri.size(), 0);
  for (int e = 1; e <= mUltima; ++e)
    for (int w = 1; w <= mRuote; ++w) {
      const auto estratti = numeri(e, w);
      std::uint8_t* n = mOrdinati.data() + Indice(e, w) * static_cast<std::size_t>(mPerRuota);
      int k = 0;
      for (std::uint8_t x : estratti)
        if (x >= 1 && x <= 90 && std::find(n, n + k, x) == n + k) n[k++] = x;
      std::sort(n, n + k);
    }
  auto perOgni = [this](auto&& fai) {
    for (int e = 1; e <= mUltima; ++e)
      for (int w = 1; w <= mRuote; ++w) {
        const auto n = ordinati(e, w);
        const int k = static_cast<int>(std::find(n.begin(), n.end(), 0) - n.begin());
        fai(e, w, n.data(), k);
      }
  };
  Liste numeri(static_cast<std::size_t>(mRuote) * 91);
  Liste coppie(static_cast<std::size_t>(mRuote) * 91 * 91);
  perOgni([&](int, int w, const std::uint8_t* n, int k) {
    for (int i = 0; i < k; ++i) {
      ++numeri.conta[Numero(w, n[i])];
      for (int j = i + 1; j < k; ++j) ++coppie.conta[Coppia(w, n[i], n[j])];
    }
  });
  numeri.Disponi(mInizio, mUscite);
  coppie.Disponi(mInizioCoppie, mUsciteCoppie);
  perOgni([&](int e, int w, const std::uint8_t* n, int k) {
    for (int i = 0; i < k; ++i) {
      mUscite[static_cast<std::size_t>(numeri.prossimo[Numero(w, n[i])]++)] =
          static_cast<Estrazione>(e);
      for (int j = i + 1; j < k; ++j)
        mUsciteCoppie[static_cast<std::size_t>(coppie.prossimo[Coppia(w, n[i], n[j])]++)] =
            static_cast<Estrazione>(e);
    }
  });
}

}  // namespace metodi
