// Writes the first archivio.dat of a new installation from the program's copy
// of the real draws: the most recent draws that leave room for new ones (the
// archive holds at most 4999 draws).
//
// Usage: archivio_iniziale <estrazioni.csv> <archivio.dat> [draws]
//        (draws: 1..4999, default 4900, so that 99 new draws can be entered)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/archivio.h"
#include "core/estrazioni_csv.h"
#include "core/file.h"

int main(int argc, char* argv[]) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "uso: %s <estrazioni.csv> <archivio.dat> [estrazioni]\n", argv[0]);
    return 2;
  }
  const int quante = argc == 4 ? std::atoi(argv[3]) : 4900;
  if (quante < 1 || quante > formato::kMaxEstrazioni) {
    std::fprintf(stderr, "numero di estrazioni da 1 a %d\n", formato::kMaxEstrazioni);
    return 2;
  }
  const auto testo = file::LeggiTesto(argv[1]);
  if (!testo) {
    std::fprintf(stderr, "%s\n", testo.motivo().c_str());
    return 1;
  }
  auto tutte = EstrazioniCsv::Decodifica(*testo);
  if (!tutte) {
    std::fprintf(stderr, "%s\n", tutte.motivo().c_str());
    return 1;
  }
  std::vector<Estrazione> ultime(tutte->end() - std::min<std::ptrdiff_t>(quante, tutte->size()), tutte->end());
  const Archivio a = CostruisciArchivio(ultime);
  if (const Esito scritto = file::ScriviAtomico(argv[2], std::vector<std::uint8_t>(a.bytes().begin(), a.bytes().end())); !scritto) {
    std::fprintf(stderr, "%s\n", scritto.motivo().c_str());
    return 1;
  }
  const Data& primo = ultime.front().data;
  const Data& ultimo = ultime.back().data;
  std::printf("archivio di %zu estrazioni reali, dal %d/%d/%d al %d/%d/%d, scritto in %s\n", ultime.size(),
              primo.giorno, primo.mese, primo.anno, ultimo.giorno, ultimo.mese, ultimo.anno, argv[2]);
  return 0;
}
