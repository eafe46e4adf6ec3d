#include "methods/periodo.h"

#include <string>

#include "methods/pronostico.h"

namespace metodi {
namespace {

int PrimaDellAnno(const Indici& ind, int voce) {
  return std::stoi(ind.AnniArchivio[static_cast<std::size_t>(voce)].substr(4, 4));
}
int AnnoDellaVoce(const Indici& ind, int voce) {
  return std::stoi(ind.AnniArchivio[static_cast<std::size_t>(voce)].substr(0, 4));
}

// The first draw of the given year and month, from `da` on, that qualifies
// for the code; 0 when the year passes or the archive ends first.
int Cerca(const Base& b, int da, int anno, int mese, int codice) {
  const Archivio& a = *b.archivio;
  for (int d = da; d <= b.ultima; ++d) {
    if (a.annoCompleto(d) > anno) return 0;
    if (a.mese(d) == mese && Qualifica(b, d, codice)) return d;
  }
  return 0;
}

}  // namespace

Base PreparaBase(const Archivio& a, const Indici& indici) {
  Base b{&a, &indici, a.ultimaEstrazione(), false};
  if (b.ultima == 0) return b;
  const Data data = a.data(b.ultima);
  const int passo = data.giornoSettimana() == 4 ? 3 : 4;
  b.ultimaChiudeMese = data.giorno + passo > GiorniDelMese(data.mese, data.anno);
  return b;
}

bool Qualifica(const Base& b, int d, int codice) {
  if (codice == kTutte) return true;
  const auto& mese = b.indici->NumEstrMese;
  if (mese[static_cast<std::size_t>(d)] == codice) return true;
  if (codice != kUltima) return false;
  if (d < b.ultima) return mese[static_cast<std::size_t>(d) + 1] == 1;
  return b.ultimaChiudeMese;
}

Periodo Calcola_Periodo(const Base& b, const Opzioni& o, int codiceMinimo) {
  const Indici& ind = *b.indici;
  Periodo p;
  if (codiceMinimo == kTutte) {
    p.inizio = PrimaDellAnno(ind, o.anno[0]);
    codiceMinimo = kUltima;
  } else {
    p.inizio = Cerca(b, PrimaDellAnno(ind, o.anno[0]), AnnoDellaVoce(ind, o.anno[0]), o.mese[0] + 1,
                     codiceMinimo);
    if (p.inizio == 0) return {};
  }
  if (o.fine == 1) {
    p.fine = b.ultima;
  } else if (o.fine == 2) {
    p.fine = b.ultima;
    int contati = 0;
    const auto& mese = ind.NumEstrMese;
    for (int d = p.inizio; d <= b.ultima; ++d) {
      const bool chiude =
          codiceMinimo == kUltima && d < b.ultima && mese[static_cast<std::size_t>(d) + 1] == 1;
      if (mese[static_cast<std::size_t>(d)] == codiceMinimo || chiude) ++contati;
      if (contati == o.cicli) {
        p.fine = d;
        break;
      }
    }
  } else {
    p.fine = Cerca(b, PrimaDellAnno(ind, o.anno[1]), AnnoDellaVoce(ind, o.anno[1]), o.mese[1] + 1,
                   codiceMinimo);
    if (p.fine == 0) return {};
  }
  return p;
}

}  // namespace metodi
