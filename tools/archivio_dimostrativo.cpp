// Writes a demonstration archivio.dat: the calendar of the real draw days
// (Saturdays to March 1997; Wednesdays and Saturdays to June 2005; Tuesdays,
// Thursdays and Saturdays to early July 2023; then Fridays too), ending at
// the last draw day before today, with generated numbers. The numbers are NOT
// real draws.
//
// Usage: archivio_dimostrativo <file> [draws]   (draws: 1..4999, default 4900,
// which leaves room for new draws: the archive holds at most 4999)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/archivio.h"
#include "core/file.h"

namespace {

Data DaGiorni(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  Data d;
  d.giorno = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  d.mese = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  d.anno = static_cast<int>(yoe + era * 400 + (d.mese <= 2 ? 1 : 0));
  return d;
}

bool GiornoDiEstrazione(const Data& d) {
  const int g = d.giornoSettimana();  // 1 = Sunday
  if (d < Data{12, 3, 1997}) return g == 7;
  if (d < Data{21, 6, 2005}) return g == 4 || g == 7;
  if (d < Data{7, 7, 2023}) return g == 3 || g == 5 || g == 7;
  return g == 3 || g == 5 || g == 6 || g == 7;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "uso: %s <file> [estrazioni]\n", argv[0]);
    return 2;
  }
  const int quante = argc > 2 ? std::atoi(argv[2]) : 4900;
  if (quante < 1 || quante > formato::kMaxEstrazioni) {
    std::fprintf(stderr, "numero di estrazioni non valido (1..4999)\n");
    return 2;
  }
  using namespace std::chrono;
  const long long oggi = duration_cast<days>(system_clock::now().time_since_epoch()).count();
  std::vector<Data> giorni;
  for (long long g = oggi - 1; static_cast<int>(giorni.size()) < quante; --g) {
    const Data d = DaGiorni(g);
    if (GiornoDiEstrazione(d)) giorni.insert(giorni.begin(), d);
  }
  std::mt19937 caso(20261207);
  std::uniform_int_distribution<int> numero(1, 90);
  std::vector<Estrazione> estrazioni;
  for (const Data& d : giorni) {
    Estrazione e;
    e.data = d;
    for (auto& ruota : e.numeri) {
      bool usato[91] = {};
      for (int p = 0; p < 5;) {
        const int n = numero(caso);
        if (usato[n]) continue;
        usato[n] = true;
        ruota[p++] = static_cast<std::uint8_t>(n);
      }
    }
    estrazioni.push_back(e);
  }
  const Archivio a = CostruisciArchivio(estrazioni);
  Esito esito = file::ScriviAtomico(argv[1], std::vector<std::uint8_t>(a.bytes().begin(), a.bytes().end()));
  if (!esito) {
    std::fprintf(stderr, "%s\n", esito.motivo().c_str());
    return 1;
  }
  std::printf("archivio dimostrativo di %d estrazioni scritto in %s (numeri generati, non reali)\n",
              quante, argv[1]);
  return 0;
}
