// Large files given where the program expects small ones: a 50 MB garbage
// method file opened in the method tester, and a 50 MB table of formations
// (well formed, random bytes, or one group whose name is the whole file)
// opened by the table editor and by the formation analysis. Each benchmark
// reports the process's peak memory (run one at a time with
// --benchmark_filter for a figure of its own).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <cstdio>
#include <random>

#include "app/MDIForm1.h"
#include "methods/Metodi.h"
#include "stats/StatRicerca.h"
#include "stats/TabForm.h"
#include "support/programma_di_prova.h"
#include "ui/Finestre.h"
#include "ui/Testo.h"

namespace {

constexpr std::size_t kDimensione = 50u * 1024 * 1024;

double PiccoMB() {
  rusage uso{};
  ::getrusage(RUSAGE_SELF, &uso);
  return static_cast<double>(uso.ru_maxrss) / 1024.0;
}

// Writes the file in chunks, so that the benchmark itself never holds it.
template <class Pezzo>
void ScriviGrande(const std::filesystem::path& percorso, Pezzo pezzo) {
  std::FILE* f = std::fopen(percorso.c_str(), "wb");
  std::size_t scritti = 0;
  for (std::size_t i = 0; scritti < kDimensione; ++i) {
    const std::string s = pezzo(i);
    std::fwrite(s.data(), 1, s.size(), f);
    scritti += s.size();
  }
  std::fclose(f);
}

// Random bytes.
void ScriviSpazzatura(const std::filesystem::path& percorso) {
  std::mt19937 caso(50);
  ScriviGrande(percorso, [&](std::size_t) {
    std::string s(1 << 16, '\0');
    for (char& c : s) c = static_cast<char>(caso());
    return s;
  });
}

// A well-formed table far beyond the editor's limits: groups of two thousand
// formations, about 1.7 million in all.
void ScriviTabellaGrande(const std::filesystem::path& percorso) {
  ScriviGrande(percorso, [](std::size_t i) {
    std::string s = i % 2000 == 0 ? "G=GRUPPO " + std::to_string(i / 2000) + "\r\n" : "";
    return s + "F=Formazione " + std::to_string(i) + "\r\nN=" + std::to_string(i % 90 + 1) +
           ".17.45\r\n";
  });
}

// One group whose name is 50 MB long.
void ScriviNomeEnorme(const std::filesystem::path& percorso) {
  ScriviGrande(percorso, [](std::size_t i) {
    return (i == 0 ? std::string("G=") : std::string()) + std::string(1 << 16, 'N');
  });
  std::FILE* f = std::fopen(percorso.c_str(), "ab");
  std::fputs("\r\nF=Formazione\r\nN=1.2.3\r\n", f);
  std::fclose(f);
}

void BM_MetodiApreSpazzaturaDa50MB(benchmark::State& state) {
  prova::ProgrammaDiProva p(prova::Sintetiche(4999));
  const auto percorso = p.cartella.percorso() / "Spazzatura.mtd";
  ScriviSpazzatura(percorso);
  MDIForm1& m = p.principale();
  m.mnuPrevMetodiT_Click();
  Metodi& t = *m.finestre().trova<Metodi>();
  const double prima = PiccoMB();
  for (auto _ : state) {
    p.servizi.dialoghi.file.push_back(ui::Q(percorso.string()));
    t.Cmd_Click(5);
    if (p.servizi.dialoghi.messaggi.size() != 1) state.SkipWithError("rifiuto atteso");
    p.servizi.dialoghi.messaggi.clear();
  }
  state.counters["picco_prima_MB"] = prima;
  state.counters["picco_MB"] = PiccoMB();
}
BENCHMARK(BM_MetodiApreSpazzaturaDa50MB)->Unit(benchmark::kMillisecond);

// Opens the window through its menu command and closes it again; the table
// is a well-formed one (0), random bytes (1) or a 50 MB name (2).
template <class Finestra>
void ApreTabellaDa50MB(benchmark::State& state, void (MDIForm1::*comando)()) {
  prova::ProgrammaDiProva p(prova::Sintetiche(4999));
  const auto percorso = p.stato.CartellaProgramma / "TabFnum.txt";
  if (state.range(0) == 0)
    ScriviTabellaGrande(percorso);
  else if (state.range(0) == 1)
    ScriviSpazzatura(percorso);
  else
    ScriviNomeEnorme(percorso);
  MDIForm1& m = p.principale();
  const double prima = PiccoMB();
  for (auto _ : state) {
    (m.*comando)();
    if (!m.finestre().trova<Finestra>()) state.SkipWithError("finestra non aperta");
    QApplication::processEvents();
    state.PauseTiming();
    if (state.range(0) != 1 && p.servizi.dialoghi.messaggi.size() != 1)
      state.SkipWithError("avviso atteso");
    p.servizi.dialoghi.messaggi.clear();
    m.finestre().chiudiTutteTranne(nullptr);
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["picco_prima_MB"] = prima;
  state.counters["picco_MB"] = PiccoMB();
}

void BM_TabFormApreTabellaDa50MB(benchmark::State& state) {
  ApreTabellaDa50MB<TabForm>(state, &MDIForm1::MnuStatTab_Click);
}
BENCHMARK(BM_TabFormApreTabellaDa50MB)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_StatRicercaApreTabellaDa50MB(benchmark::State& state) {
  ApreTabellaDa50MB<StatRicerca>(state, &MDIForm1::MnuStatAnaNum_Click);
}
BENCHMARK(BM_StatRicercaApreTabellaDa50MB)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
