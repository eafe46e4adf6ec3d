#include <benchmark/benchmark.h>

#include "archivio_bench.h"
#include "boards/cadenze_decine_figure.h"
#include "boards/estratti_ruota.h"
#include "boards/tabellone_analitico.h"
#include "boards/tabellone_misti.h"

namespace {

constexpr int kUltima = 4999;

// The analytic board with the presences and longest gaps of its cell details.
void BM_TabelloneAnalitico(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state) benchmark::DoNotOptimize(Tabelloni::Crea_Tabellone_Analitico(a, 1, kUltima));
}
BENCHMARK(BM_TabelloneAnalitico)->Unit(benchmark::kMicrosecond);

void BM_TabelloneRSC(benchmark::State& state) {
  const auto& t = bench::TabelleRSC4999()[0];
  for (auto _ : state) benchmark::DoNotOptimize(Tabelloni::Crea_Tabellone_RSC(t, 1, kUltima));
}
BENCHMARK(BM_TabelloneRSC)->Unit(benchmark::kMicrosecond);

// The five position tables and the merge.
void BM_TabelloneMisti(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  const auto& t = bench::TabelleRSC4999();
  for (auto _ : state) benchmark::DoNotOptimize(Tabelloni::Crea_Tabellone_Misti(a, t, 1, kUltima));
}
BENCHMARK(BM_TabelloneMisti)->Unit(benchmark::kMicrosecond);

void BM_EstrattiRuota(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state)
    benchmark::DoNotOptimize(EstrattiRuota::Calcola_Storici_e_Presenze(a, 1, kUltima));
}
BENCHMARK(BM_EstrattiRuota)->Unit(benchmark::kMicrosecond);

// Cycle of 20 draws (the opening default) and of the whole archive.
void BM_CadenzeDecineFigure(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  const int ciclo = static_cast<int>(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(CadenzeDecineFigure::Calcola_Cadenze_Decine_Figure(
        a, kUltima, kUltima, ciclo, 1, CadenzeDecineFigure::ValoriSorte(1)));
}
BENCHMARK(BM_CadenzeDecineFigure)->Arg(20)->Arg(kUltima)->Unit(benchmark::kMicrosecond);

}  // namespace
