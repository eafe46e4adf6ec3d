// Tavola: the numbers a game draws, arranged for the back-test.
//
// For each draw and wheel it keeps the numbers drawn, and for each wheel and
// number the ascending list of the draws where that number came out, ended by
// a sentinel above every draw index. The back-test walks those lists instead
// of the colpi, so a cycle costs a few steps per forecast value.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "core/archivio.h"

namespace metodi {

class Tavola {
 public:
  // Ends every list of draws.
  static constexpr int kFine = std::numeric_limits<int>::max();

  // The Lotto: wheels 1..10 of five numbers, draws 1..ultima.
  // REQUIRES: 0 <= ultima <= 4999
  static Tavola Lotto(const Archivio& a, int ultima);

  int ruote() const { return mRuote; }
  int ultima() const { return mUltima; }
  // The numbers drawn on wheel w at draw e (0 = no number), in drawing order.
  // REQUIRES: 1 <= e <= ultima(), 1 <= w <= ruote()
  std::span<const std::uint8_t> numeri(int e, int w) const {
    return {mNumeri.data() + Indice(e, w) * static_cast<std::size_t>(mPerRuota),
            static_cast<std::size_t>(mPerRuota)};
  }
  // Index into uscite() of the first draw where n came out on wheel w.
  // REQUIRES: 1 <= w <= ruote(), 1 <= n <= 90
  int primaUscita(int w, int n) const { return mInizio[Lista(w, n)]; }
  // The lists of every wheel and number, each ended by kFine.
  const std::vector<int>& uscite() const { return mUscite; }

 private:
  Tavola(int ruote, int perRuota, int ultima) : mRuote(ruote), mPerRuota(perRuota), mUltima(ultima) {}
  std::size_t Indice(int e, int w) const {
    return static_cast<std::size_t>(e - 1) * static_cast<std::size_t>(mRuote) + static_cast<std::size_t>(w - 1);
  }
  static std::size_t Lista(int w, int n) { return static_cast<std::size_t>(w - 1) * 91 + static_cast<std::size_t>(n); }
  // Builds the lists from mNumeri.
  void Indicizza();

  int mRuote;
  int mPerRuota;
  int mUltima;
  std::vector<std::uint8_t> mNumeri;
  std::vector<int> mInizio;  // [(w - 1) * 91 + n]
  std::vector<int> mUscite;
};

}  // namespace metodi
