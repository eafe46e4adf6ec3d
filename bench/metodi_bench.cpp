#include <benchmark/benchmark.h>

#include "archivio_bench.h"
#include "core/indici.h"
#include "methods/verifica.h"

namespace {

// The archive with its indices, base and table of drawn numbers.
struct Prova {
  Prova() {
    Inizio::Aggiorna_Indici_Archivio(bench::Archivio4999(), indici);
    base = metodi::PreparaBase(bench::Archivio4999(), indici);
  }
  Indici indici;
  metodi::Base base;
};
const Prova& Dati() {
  static const Prova p;
  return p;
}

std::vector<std::optional<metodi::Pronostico>> Leggi(std::initializer_list<const char*> testi) {
  std::vector<std::optional<metodi::Pronostico>> out;
  for (const char* t : testi) out.push_back(*metodi::LeggiPronostico(t));
  return out;
}

// Five ambata lines of one to three Elementi.
const std::vector<std::optional<metodi::Pronostico>>& Ambate() {
  static const auto righe =
      Leggi({"M  TM  1°BA+5", "M  TM  1°BA+5,3°NA-12 & 2°RO+7", "MA  TM  5°VE+45 & 1°MI-3",
             "M  TM  2°FI+17 & 4°CA+89 & 3°GE+1", "M  TM  1°TO+0"});
  return righe;
}

std::vector<std::optional<metodi::Pronostico>> Con(std::initializer_list<const char*> altre) {
  auto righe = Ambate();
  for (auto& p : Leggi(altre)) righe.push_back(std::move(p));
  return righe;
}

// Ten lines played at every draw of the archive: the ambatas and ambos such
// methods play, one to three Elementi each.
const std::vector<std::optional<metodi::Pronostico>>& Metodo() {
  static const auto righe =
      Con({"M  TM  3°PA+30,1°RO-1", "M  TM  2°MI+45 & 4°GE+10", "M  TM  5°CA+72",
           "A  TM  1°BA+0 & 2°BA+0 & 3°BA+30", "A  TM  1°PA+10 & 2°PA+20"});
  return righe;
}

// Ten heavier lines: half of them ambos, terni and a quaterna.
const std::vector<std::optional<metodi::Pronostico>>& MetodoPesante() {
  static const auto righe =
      Con({"A  TM  1°BA+0 & 2°BA+0 & 3°BA+30", "A  TM  1°PA+10 & 2°PA+20 & 3°PA+30 & 4°PA+40",
           "AT  TM  2°TO-40,5°GE+17 & 4°PA+1 & 1°FI-89", "T  TM  1°BA+1 & 1°BA+2 & 1°BA+3 & 1°BA+4",
           "Q  TM  1°RO+11 & 2°RO+22 & 3°RO+33 & 4°RO+44 & 5°RO+55"});
  return righe;
}

metodi::Opzioni Opzioni() {
  metodi::Opzioni o;
  o.fine = 1;
  o.colpi = 100;
  for (int w = 0; w < 10; ++w) o.ruote[static_cast<std::size_t>(w)] = 1;
  return o;
}

// The back-test alone, on a table built once (the tester builds it when it
// opens): 500 000 cycles.
void BM_VerificaMetodo(benchmark::State& state) {
  const Prova& p = Dati();
  const auto tavola = metodi::Tavola::Lotto(bench::Archivio4999(), p.base.ultima);
  const auto o = Opzioni();
  const auto& metodo = state.range(0) == 0 ? Metodo() : MetodoPesante();
  for (auto _ : state)
    benchmark::DoNotOptimize(metodi::Esegui(p.base, tavola, metodi::Lotto(), metodo, o));
}
BENCHMARK(BM_VerificaMetodo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The table of drawn numbers.
void BM_TavolaLotto(benchmark::State& state) {
  const Prova& p = Dati();
  for (auto _ : state)
    benchmark::DoNotOptimize(metodi::Tavola::Lotto(bench::Archivio4999(), p.base.ultima));
}
BENCHMARK(BM_TavolaLotto)->Unit(benchmark::kMillisecond);

// The SuperEnalotto back-test: ten lines of three to eight numbers (Tre to
// Sei and 5+1) at every draw, 100 colpi, not interrupted.
void BM_VerificaSuperEnalotto(benchmark::State& state) {
  const Prova& p = Dati();
  const auto se = Inizio::Crea_Archivio_SuperEnalotto(bench::Archivio4999(), p.base.ultima);
  const auto tavola = metodi::Tavola::SuperEnalotto(se, p.base.ultima);
  static const auto metodo = Leggi(
      {"M  TM  1°BA+5 & 3°NA-12 & 2°RO+7", "M  TM  1°CA+1 & 2°CA+2 & 3°CA+3 & 4°CA+4",
       "A  TM  1°GE+0 & 2°GE+0 & 3°GE+30 & 4°GE+60", "MA  TM  5°VE+45 & 1°MI-3 & 2°TO+8 & 1°FI+1",
       "T  TM  1°TO+1 & 2°TO+2 & 3°TO+3 & 4°TO+4 & 5°TO+5",
       "Q  TM  1°PA+1 & 2°PA+2 & 3°PA+3 & 4°PA+4 & 5°PA+5 & 1°RO+0",
       "C  TM  1°MI+1 & 2°MI+2 & 3°MI+3 & 4°MI+4 & 5°MI+5 & 1°NA-0",
       "M  TM  1°BA+0 & 1°BA+10 & 1°BA+20 & 1°BA+30 & 1°BA+40 & 1°BA+50 & 1°BA+60 & 1°BA+70",
       "QC  TM  1°CA+0 & 1°CA+11 & 1°CA+22 & 1°CA+33 & 1°CA+44 & 1°CA+55 & 1°CA+66 & 1°CA+77",
       "A  TM  2°FI+17 & 4°CA+89 & 3°GE+1 & 1°TO+0 & 5°RO+2"});
  auto o = Opzioni();
  o.interrompi = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(metodi::Esegui(p.base, tavola, metodi::SuperEnalotto(), metodo, o));
}
BENCHMARK(BM_VerificaSuperEnalotto)->Unit(benchmark::kMillisecond);

// The report of a run: half a million cycle lines.
void BM_RapportoMetodo(benchmark::State& state) {
  const Prova& p = Dati();
  const auto tavola = metodi::Tavola::Lotto(bench::Archivio4999(), p.base.ultima);
  const auto o = Opzioni();
  const auto v = metodi::Esegui(p.base, tavola, metodi::Lotto(), Metodo(), o);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        metodi::ScriviRapporto(v, Metodo(), p.base, tavola, metodi::Lotto(), o));
}
BENCHMARK(BM_RapportoMetodo)->Unit(benchmark::kMillisecond);

}  // namespace
