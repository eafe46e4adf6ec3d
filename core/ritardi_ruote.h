// Per-wheel presences and longest gaps of every number within a range of draws.
#pragma once

#include <array>

#include "core/archivio.h"

// [w][x], wheel 1..10, number 1..90; row and column 0 unused.
using TabellaRuote = std::array<std::array<int, 91>, 11>;

struct StoriciPresenze {
  // Draws d, inizio <= d <= reference, in which x came out on wheel w.
  TabellaRuote Presenze{};
  // Largest difference between the indices of two consecutive appearances of
  // x on wheel w in that stretch (90 and 100 give 10); 0 when x came out at
  // most once.
  TabellaRuote RitardoStorico{};
};

namespace Inizio {

// One backward pass from draw `da` down to `inizio`; all zero when da < inizio.
// REQUIRES: 1 <= inizio, da <= 5000
StoriciPresenze Calcola_Storici_Presenze_Ruote(const Archivio& a, int inizio, int da);

}  // namespace Inizio
