// Writes the first archivio.dat of a new installation from the program's copy
// of the real draws: the most recent draws that leave room for new ones (the
// archive holds at most 4999 draws).
//
// Usage: archivio_iniziale <estrazioni.csv> <archivio.dat> [draws]
//        (draws: 1..4999, default 4900, so that 99 new draws can be entered)
#include <charconv>
#include <cstdio>
#include <string_view>

#include "core/archive_format.h"
#include "tools/primo_archivio.h"

int main(int argc, char* argv[]) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "uso: %s <estrazioni.csv> <archivio.dat> [estrazioni]\n", argv[0]);
    return 2;
  }
  int quante = primo_archivio::kEstrazioniPredefinite;
  if (argc == 4) {
    const std::string_view testo = argv[3];
    const auto letto = std::from_chars(testo.data(), testo.data() + testo.size(), quante);
    if (letto.ec != std::errc() || letto.ptr != testo.data() + testo.size()) quante = 0;
  }
  if (quante < 1 || quante > formato::kMaxEstrazioni) {
    std::fprintf(stderr, "numero di estrazioni da 1 a %d\n", formato::kMaxEstrazioni);
    return 2;
  }
  const auto fatto = primo_archivio::Crea(argv[1], argv[2], quante);
  if (!fatto) {
    std::fprintf(stderr, "%s\n", fatto.motivo().c_str());
    return 1;
  }
  const Data& primo = fatto->prima;
  const Data& ultimo = fatto->ultima;
  std::printf("archivio di %d estrazioni reali, dal %d/%d/%d al %d/%d/%d, scritto in %s\n",
              fatto->estrazioni, primo.giorno, primo.mese, primo.anno, ultimo.giorno, ultimo.mese,
              ultimo.anno, argv[2]);
  return 0;
}
