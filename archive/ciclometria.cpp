#include "archive/ciclometria.h"

#include <cstdlib>

namespace Estrazioni {

TipoGriglia TipoGrigliaDa(std::string_view tipo) {
  return tipo == "d" ? TipoGriglia::Distanze : TipoGriglia::Somme;
}

int DistanzaCiclometrica(int x, int y) {
  const int v = std::abs(x - y);
  return v > 45 ? 90 - v : v;
}

int SommaCiclometrica(int x, int y) {
  const int v = x + y;
  return v > 90 ? v - 90 : v;
}

GrigliaCiclometrica CalcolaGriglia(const Archivio& a, int s, TipoGriglia tipo) {
  GrigliaCiclometrica g;
  std::array<bool, 91> presente{};
  for (int w = 1; w <= formato::kRuote; ++w) {
    for (std::size_t k = 0; k < kCoppie.size(); ++k) {
      const int x = a(s, w, kCoppie[k].first), y = a(s, w, kCoppie[k].second);
      if (x < 1 || x > 90 || y < 1 || y > 90) continue;
      const int v = tipo == TipoGriglia::Distanze ? DistanzaCiclometrica(x, y) : SommaCiclometrica(x, y);
      g.valori[w - 1][k] = v;
      if (v >= 1 && v <= 90) presente[v] = true;
    }
  }
  for (int v = 1; v <= 90; ++v)
    if (presente[v]) g.distinti.push_back(v);
  return g;
}

}  // namespace Estrazioni
