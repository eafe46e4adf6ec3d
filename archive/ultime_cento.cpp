#include "archive/ultime_cento.h"

namespace Estrazioni {

int EstrazioneRiga(int totEstrazioni, int riga) {
  const int d = totEstrazioni - kRigheUltime + riga;
  return d >= 1 ? d : 0;
}

std::string CellaUltime(const Archivio& a, int d, int colonna) {
  if (d < 1) return std::string();
  return std::to_string(a(d, (colonna - 1) / formato::kPosizioni + 1,
                          (colonna - 1) % formato::kPosizioni + 1));
}

}  // namespace Estrazioni
