// A draw for the editor's tests: five distinct numbers on every wheel
// (wheel w holds 8w + 1 .. 8w + 5, shifted by `s`), so that draws differ.
#pragma once

#include "core/archivio.h"

namespace prova {

inline Estrazione Di(Data d, int s = 0) {
  Estrazione e;
  e.data = d;
  for (int w = 0; w < 10; ++w)
    for (int p = 0; p < 5; ++p) e.numeri[w][p] = static_cast<std::uint8_t>(w * 8 + p + 1 + s);
  return e;
}

}  // namespace prova
