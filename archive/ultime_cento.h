// The last hundred draws: which draw each of rows 1..100 shows and the text of
// each cell (column j = 1..50 is wheel (j - 1) / 5 + 1, position (j - 1) % 5 + 1).
#pragma once

#include <string>

#include "core/archivio.h"

namespace Estrazioni {

inline constexpr int kRigheUltime = 100;

// The draw on row r (1..100): totEstrazioni - 100 + r, row 100 the last draw;
// 0 (an empty row) where that is below 1.
int EstrazioneRiga(int totEstrazioni, int riga);

// The cell of draw d, column j (1..50): the number as decimal text, "0" for a
// missing number; "" for an empty row (d == 0).
// REQUIRES: 0 <= d <= 5000, 1 <= j <= 50
std::string CellaUltime(const Archivio& a, int d, int colonna);

}  // namespace Estrazioni
