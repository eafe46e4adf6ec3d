// Tavola: the numbers a game draws, arranged for the back-test.
//
// For each draw and wheel it keeps the numbers drawn; for each wheel and
// number, the ascending list of the draws where that number came out; and for
// each wheel and pair of numbers, the draws where both came out. Every list
// ends with a sentinel above every draw index. The back-test walks those
// lists instead of the colpi: an ambata is decided by the values' lists, a
// higher sorte by the lists of the values' pairs (a draw with two values or
// more always holds one of them), so a cycle costs a few steps per value or
// pair, not per colpo.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "core/archivio.h"
#include "core/indici.h"

namespace metodi {

class Tavola {
 public:
  // A draw in a list (draws run 1..4999). Ends every list of draws.
  using Estrazione = std::int16_t;
  static constexpr int kFine = std::numeric_limits<Estrazione>::max();

  // The Lotto: wheels 1..10 of five numbers, draws 1..ultima.
  // REQUIRES: 0 <= ultima <= 4999
  static Tavola Lotto(const Archivio& a, int ultima);
  // The SuperEnalotto: one wheel of the six numbers of columns 1..6 and the
  // jolly of column 7, draws 1..ultima (a draw the vector lacks has none).
  // REQUIRES: 0 <= ultima <= 4999
  static Tavola SuperEnalotto(const ::SuperEnalotto& s, int ultima);

  int ruote() const { return mRuote; }
  int ultima() const { return mUltima; }
  // The numbers drawn on wheel w at draw e (0 = no number), in drawing order.
  // REQUIRES: 1 <= e <= ultima(), 1 <= w <= ruote()
  std::span<const std::uint8_t> numeri(int e, int w) const {
    return {mNumeri.data() + Indice(e, w) * static_cast<std::size_t>(mPerRuota),
            static_cast<std::size_t>(mPerRuota)};
  }
  // The jolly of wheel w at draw e; 0 in a game without one.
  // REQUIRES: 1 <= e <= ultima(), 1 <= w <= ruote()
  std::uint8_t jolly(int e, int w) const {
    return mJolly.empty() ? std::uint8_t{0} : mJolly[Indice(e, w)];
  }
  // The distinct numbers 1..90 drawn on wheel w at draw e, ascending, then 0s.
  // REQUIRES: 1 <= e <= ultima(), 1 <= w <= ruote()
  std::span<const std::uint8_t> ordinati(int e, int w) const {
    return {mOrdinati.data() + Indice(e, w) * static_cast<std::size_t>(mPerRuota),
            static_cast<std::size_t>(mPerRuota)};
  }
  // The lists of draws: of wheel w and number n at slot Numero(w, n), of
  // wheel w and pair a < b at slot Coppia(w, a, b). inizio...()[slot] is where
  // a list starts in its vector of draws.
  static std::size_t Numero(int w, int n) {
    return static_cast<std::size_t>(w - 1) * 91 + static_cast<std::size_t>(n);
  }
  static std::size_t Coppia(int w, int a, int b) {
    return static_cast<std::size_t>(w - 1) * 91 * 91 + static_cast<std::size_t>(a) * 91 +
           static_cast<std::size_t>(b);
  }
  const std::vector<int>& inizioNumeri() const { return mInizio; }
  const std::vector<Estrazione>& usciteNumeri() const { return mUscite; }
  const std::vector<int>& inizioCoppie() const { return mInizioCoppie; }
  const std::vector<Estrazione>& usciteCoppie() const { return mUsciteCoppie; }

 private:
  Tavola(int ruote, int perRuota, int ultima)
      : mRuote(ruote), mPerRuota(perRuota), mUltima(ultima) {}
  // Wheel by wheel, so that a wheel's draws lie together.
  std::size_t Indice(int e, int w) const {
    return static_cast<std::size_t>(w - 1) * static_cast<std::size_t>(mUltima) +
           static_cast<std::size_t>(e - 1);
  }
  // Builds the lists of numbers and pairs from mNumeri.
  void Indicizza();

  int mRuote;
  int mPerRuota;
  int mUltima;
  std::vector<std::uint8_t> mNumeri;
  std::vector<std::uint8_t> mOrdinati;
  std::vector<std::uint8_t> mJolly;  // [Indice(e, w)], empty without a jolly
  std::vector<int> mInizio;  // [(w - 1) * 91 + n]
  std::vector<Estrazione> mUscite;
  std::vector<int> mInizioCoppie;  // [Coppia(w, a, b)]
  std::vector<Estrazione> mUsciteCoppie;
};

}  // namespace metodi
