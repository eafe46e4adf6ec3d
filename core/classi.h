// Number classes (cadence, decade, figure, twins) and the small number
// helpers that bring computed numbers back into range. No side effects.
#pragma once

#include <array>
#include <cstdint>

namespace Inizio {

// Brings n into 1..90 by adding or subtracting 90 (0 gives 90, 91 gives 1).
std::uint8_t Fuori90(int n);

// Class tables, first index fastest as in the original layout:
//  TabDecine[p][d]  p 1..10, d 1..9   = 10*(d-1) + p   (column d: natural decade d)
//  TabCadenze[r][u] r 1..9,  u 1..10  = 10*(r-1) + (u-1), and [1][1] = 90
//  TabFigure[f][k]  f 1..9,  k 1..10  = f + 9*(k-1)
struct TabelleClassi {
  std::array<std::array<std::uint8_t, 10>, 11> TabDecine{};
  std::array<std::array<std::uint8_t, 11>, 10> TabCadenze{};
  std::array<std::array<std::uint8_t, 11>, 10> TabFigure{};
};
TabelleClassi Crea_Tabelle_Classi();

}  // namespace Inizio

namespace Module1 {

// n >= 0: subtract 9 while above 9; n < 0: add 9 until at least 1; 0 gives 9.
std::uint8_t Fuori9(int n);
// Last decimal digit (90 gives 0).
std::uint8_t Cadenza(int n);
// Tens digit, with 90 giving 0 (cabalistic decade 0..8).
std::uint8_t Decina(int n);
// Repeated digit sum 1..9.
std::uint8_t Figura(int n);
// True for 11, 22, ..., 88.
bool Gemello(int n);

}  // namespace Module1
