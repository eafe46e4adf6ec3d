#include "core/ritardi_ruote.h"

namespace Inizio {

StoriciPresenze Calcola_Storici_Presenze_Ruote(const Archivio& a, int inizio, int da) {
  StoriciPresenze s;
  TabellaRuote ultima{};
  for (int d = da; d >= inizio; --d) {
    for (int w = 1; w <= formato::kRuote; ++w) {
      for (int p = 1; p <= formato::kPosizioni; ++p) {
        const int x = a(d, w, p);
        if (x == 0 || x > 90) continue;
        ++s.Presenze[w][x];
        const int u = ultima[w][x];
        if (u > 0 && u - d > s.RitardoStorico[w][x]) s.RitardoStorico[w][x] = u - d;
        ultima[w][x] = d;
      }
    }
  }
  return s;
}

}  // namespace Inizio
