#include "core/classi.h"

#include <cstdlib>

namespace Inizio {

std::uint8_t Fuori90(int n) {
  // Same result as repeated +/-90, in constant time.
  int r = n % 90;
  if (r < 1) r += 90;
  return static_cast<std::uint8_t>(r);
}

TabelleClassi Crea_Tabelle_Classi() {
  TabelleClassi t;
  int i = 1, j = 1;
  for (int x = 1; x <= 90; ++x) {
    t.TabDecine[i][j] = static_cast<std::uint8_t>(x);
    if (i == 10) { i = 1; ++j; } else { ++i; }
  }
  j = 1; i = 2;
  for (int x = 1; x <= 89; ++x) {
    t.TabCadenze[j][i] = static_cast<std::uint8_t>(x);
    if (i == 10) { i = 1; ++j; } else { ++i; }
  }
  t.TabCadenze[1][1] = 90;
  i = 1; j = 1;
  for (int x = 1; x <= 90; ++x) {
    t.TabFigure[i][j] = static_cast<std::uint8_t>(x);
    if (i == 9) { i = 1; ++j; } else { ++i; }
  }
  return t;
}

}  // namespace Inizio

namespace Module1 {

std::uint8_t Fuori9(int n) {
  int r = n % 9;
  if (r < 1) r += 9;
  return static_cast<std::uint8_t>(r);
}

std::uint8_t Cadenza(int n) { return static_cast<std::uint8_t>(std::abs(n) % 10); }

std::uint8_t Decina(int n) {
  const int d = n / 10;
  return static_cast<std::uint8_t>(d == 9 ? 0 : d);
}

std::uint8_t Figura(int n) { return Fuori9(Decina(n) + Cadenza(n)); }

bool Gemello(int n) { return n >= 11 && n <= 88 && n % 11 == 0; }

}  // namespace Module1
