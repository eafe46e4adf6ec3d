// Files that are not what the program expects in place of its own: a link
// to /dev/zero, a FIFO and a file of a gigabyte as archivio.dat, as a
// distance archive (which is then built again), as TabFnum.txt and as a
// method file. Each is refused or read only as far as its format can hold;
// the benchmark reports the process's peak memory (run one case at a time
// with --benchmark_filter for a figure of its own).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "archivio_bench.h"
#include "core/avvio.h"
#include "core/file.h"
#include "methods/file_metodo.h"
#include "stats/tabella_formazioni.h"
#include "support/cartella_temporanea.h"

namespace {

double PiccoMB() {
  rusage uso{};
  ::getrusage(RUSAGE_SELF, &uso);
  return static_cast<double>(uso.ru_maxrss) / 1024.0;
}

enum class Tipo { Zero, Fifo, Giga };
const char* const kTipi[] = {"link a /dev/zero", "FIFO", "1 GB"};

// Puts a file of the kind at `p`. The gigabyte is real text for the table
// (one group, then formations it cannot keep), and a file without data
// blocks elsewhere, since a size check never reads it.
void Prepara(const std::filesystem::path& p, Tipo tipo, bool testo) {
  std::filesystem::remove(p);
  if (tipo == Tipo::Zero) std::filesystem::create_symlink("/dev/zero", p);
  if (tipo == Tipo::Fifo) ::mkfifo(p.c_str(), 0600);
  if (tipo != Tipo::Giga) return;
  std::FILE* f = std::fopen(p.c_str(), "wb");
  if (testo) {
    std::string pezzo = "G=UNICO\r\n";
    while (pezzo.size() < (1u << 20)) pezzo += "F=Formazione\r\nN=1.2.3\r\n";
    for (int i = 0; i < 1024; ++i) std::fwrite(pezzo.data(), 1, pezzo.size(), f);
  }
  std::fclose(f);
  if (!testo) ::truncate(p.c_str(), std::int64_t{1} << 30);
}

// Which file is out of place: 0 archivio.dat, 1 Rsc<k>.dat, 2 TabFnum.txt, 3 a method file.
void BM_FileEstraneo(benchmark::State& state) {
  const int quale = static_cast<int>(state.range(0));
  const auto tipo = static_cast<Tipo>(state.range(1));
  prova::CartellaTemporanea dir;
  const Archivio& a = bench::Archivio4999();
  file::ScriviAtomico(dir.percorso() / "archivio.dat", {a.bytes().begin(), a.bytes().end()});
  const char* const nomi[] = {"archivio.dat", "Rsc3.dat", "TabFnum.txt", "Metodo.mtd"};
  const auto p = dir.percorso() / nomi[quale];
  if (quale == 1) Rsc::Prepara(dir.percorso(), a);
  Prepara(p, tipo, quale == 2);
  state.SetLabel(std::string(nomi[quale]) + ", " + kTipi[state.range(1)]);
  const double prima = PiccoMB();
  for (auto _ : state) {
    bool atteso = false;
    switch (quale) {
      case 0:
        atteso = !Inizio::CaricaArchivio(dir.percorso());
        break;
      case 1: {
        atteso = Rsc::Prepara(dir.percorso(), a).riscritti == 1;
        state.PauseTiming();
        Prepara(p, tipo, false);
        state.ResumeTiming();
        break;
      }
      case 2: {
        formazioni::Riduzione r;
        const auto t = formazioni::Leggi(dir.percorso(), &r);
        atteso = tipo == Tipo::Giga ? t && r.nonLetto : !t;
        break;
      }
      default:
        atteso = !metodi::ApriFileMetodo(p, 57);
        break;
    }
    if (!atteso) state.SkipWithError("rifiuto o lettura limitata attesi");
  }
  state.counters["picco_prima_MB"] = prima;
  state.counters["picco_MB"] = PiccoMB();
}
BENCHMARK(BM_FileEstraneo)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A table of 100 MB, read to the 64 MB bound: a heading every megabyte (a
// group whose name fills it), or short lines after one heading: empty lines,
// comments, formations beyond the limit of the group, "N=" lines each
// replacing the one before, comments holding "=".
void BM_TabellaDa100MB(benchmark::State& state) {
  prova::CartellaTemporanea dir;
  const int forma = static_cast<int>(state.range(0));
  const char* const nomi[] = {"un gruppo ogni MB", "righe vuote", "commenti",
                              "formazioni",        "numeri",      "commenti con ="};
  const std::string righe[] = {
      "", "\r\n", "' commento\r\n", "F=Formazione\r\nN=1.2.3\r\n", "N=1.2.3\r\n", "' x=y\r\n"};
  std::FILE* f = std::fopen((dir.percorso() / "TabFnum.txt").c_str(), "wb");
  for (int mb = 0; mb < 100; ++mb) {
    std::string pezzo = forma == 0 || mb == 0 ? "G=Gruppo " + std::to_string(mb) : "";
    if (forma == 0) pezzo.resize((1u << 20) - 2, 'n');
    if (!pezzo.empty()) pezzo += "\r\n";
    while (forma != 0 && pezzo.size() < (1u << 20)) pezzo += righe[forma];
    std::fwrite(pezzo.data(), 1, pezzo.size(), f);
  }
  std::fclose(f);
  state.SetLabel(nomi[forma]);
  for (auto _ : state) {
    formazioni::Riduzione r;
    const auto t = formazioni::Leggi(dir.percorso(), &r);
    if (!t || !*t || !r.nonLetto) state.SkipWithError("lettura fino al limite attesa");
  }
}
BENCHMARK(BM_TabellaDa100MB)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace
