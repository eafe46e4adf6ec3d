// The cyclometric table of one draw: for each wheel and each of the ten pairs
// of positions, the cyclometric distance (1..45) or the sum brought into
// 1..90 of the pair's two numbers, and the distinct values of the table.
#pragma once

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "core/archivio.h"

namespace Estrazioni {

enum class TipoGriglia { Somme, Distanze };
// "d" gives Distanze, anything else Somme.
TipoGriglia TipoGrigliaDa(std::string_view tipo);

// The position pairs of columns 1..10: (1,2) (1,3) (1,4) (1,5) (2,3) (2,4)
// (2,5) (3,4) (3,5) (4,5).
inline constexpr std::array<std::pair<int, int>, 10> kCoppie = {
    {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}}};

struct GrigliaCiclometrica {
  // valori[w - 1][k - 1]: wheel w, pair k; 0 for an empty cell (a pair with a
  // missing number, or two equal numbers in distance mode).
  std::array<std::array<int, 10>, 10> valori{};
  // The values 1..90 present in the table, each once, ascending.
  std::vector<int> distinti;
};

// Distance of x and y: |x - y|, and 90 minus that when above 45.
int DistanzaCiclometrica(int x, int y);
// Sum of x and y, minus 90 when above 90.
int SommaCiclometrica(int x, int y);

// REQUIRES: 1 <= s <= 5000
GrigliaCiclometrica CalcolaGriglia(const Archivio& a, int s, TipoGriglia tipo);

}  // namespace Estrazioni
