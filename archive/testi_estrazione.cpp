#include "archive/testi_estrazione.h"

#include <cstdio>

#include "core/indici.h"
#include "core/nomi.h"
#include "core/testo.h"

namespace Estrazioni {

std::string DueCifre(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

std::string TestoData(const Archivio& a, int d) {
  const int settimana = a.data(d).giornoSettimana();
  return Inizio::DataBreve(a, d) + " (" + testo::Sinistra(Inizio::NomiGiorni[settimana], 3) + ")";
}

std::string TestoIndice(int d, int totEstrazioni) {
  return std::to_string(d) + " / " + std::to_string(totEstrazioni);
}

std::string TestoSuperEnalotto(const Archivio& a, int d) {
  const auto colonne = Inizio::Deriva_SuperEnalotto(a, d);
  std::string out = "Colonna SuperEnalotto  :  ";
  for (int c = 1; c <= 6; ++c)
    if (colonne[c] != 0) out += std::to_string(colonne[c]) + " - ";
  out += "Jolly " + std::to_string(colonne[7]);
  return out;
}

std::string TestoUltimaEstrazione(const Archivio& a, int totEstrazioni) {
  return "Ultima Estrazione : " + Inizio::Descrivi_Estrazione(a, totEstrazioni, "L");
}

}  // namespace Estrazioni
