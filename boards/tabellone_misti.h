// Mixed-delay board: for a reference draw R, every number of every wheel
// ranked by the sum of two delays counted back from R within a window of at
// most 501 draws: the delay of the distance that leads from the k-th number
// of draw R to it (read in distance archive k) and its own plain delay. Each
// of the five positions k gives one mixed delay per number; the board keeps
// every number once per wheel, at the largest of the five.
//
// Rows run up to the largest sum that can occur (500 + 500), and a row holds
// as many numbers per wheel as share that delay: nothing is dropped. Where no
// row and wheel holds more than 20 numbers and no delay exceeds 500, the
// board is exactly the fixed 20-slot, 500-row layout.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/archivio.h"
#include "core/ritardi_ruote.h"
#include "core/rsc.h"

namespace Tabelloni {

// Draws counted back from R: the window is R - 500..R.
inline constexpr int kFinestraMisti = 500;
// The largest mixed delay: both parts at most kFinestraMisti.
inline constexpr int kMassimoMisto = 2 * kFinestraMisti;

// The first draw of the window of reference draw R: R - 500 when R is above
// 500 (whatever the range start), the range start otherwise. The window is
// empty when the result is above R.
int InizioFinestraMisti(int inizio, int riferimento);

// The delays of one position k, [w][n] for wheel 1..10 and number 1..90. A
// distance or a number not met within the window counts 0 in its part.
struct RitardiPosizione {
  TabellaRuote RitardoRSC{};
  TabellaRuote RitardoSemplice{};
  TabellaRuote RitardoMisto{};  // the sum of the two
};

// The delays of position k as of draw R, from distance archive k and the draw
// archive.
// REQUIRES: 1 <= k <= 5, 1 <= inizio, riferimento <= 5000
RitardiPosizione Calcola_Ritardi_RSC(const Archivio& archivio, const Archivio& tabellaRSC, int k,
                                     int inizio, int riferimento);

// One row of the board: its mixed delay and, per wheel, the numbers that
// have it.
struct RigaMista {
  int ritardo = 0;
  // Numbers of all wheels in wheel order; wheel w spans fine[w - 1]..fine[w].
  std::vector<std::uint8_t> numeri;
  std::array<std::uint16_t, formato::kRuote + 1> fine{};

  // REQUIRES: 1 <= w <= 10
  std::span<const std::uint8_t> Ruota(int w) const {
    return std::span<const std::uint8_t>(numeri).subspan(fine[w - 1], fine[w] - fine[w - 1]);
  }
};

struct TabelloneMisto {
  // The rows that hold at least one number, in increasing mixed delay.
  std::vector<RigaMista> righe;
  // ColonneRuota[w]: the most numbers any row holds for wheel w, the width in
  // grid columns of the wheel's block; entry 0 unused.
  std::array<int, formato::kRuote + 1> ColonneRuota{};
};

// The merge: for each row from the largest mixed delay down, each number not
// yet placed on its wheel joins the row; within a row and wheel the numbers
// come by slot (ascending number within one position) and, within a slot, by
// position 1..5. A mixed delay of 0 places nothing.
TabelloneMisto Unisci_Ritardi_Misti(const std::array<RitardiPosizione, 5>& posizioni);

// The whole board: the five positions and the merge.
// REQUIRES: 1 <= inizio, riferimento <= 5000
TabelloneMisto Crea_Tabellone_Misti(const Archivio& archivio, const Rsc::Tabelle& tabelleRSC,
                                    int inizio, int riferimento);

}  // namespace Tabelloni
