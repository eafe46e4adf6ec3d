#include <benchmark/benchmark.h>

#include "archivio_bench.h"
#include "core/indici.h"
#include "core/ritardi_ruote.h"
#include "core/rsc.h"

namespace {

void BM_Decodifica(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state) benchmark::DoNotOptimize(Archivio::Decodifica(a.bytes()));
}
BENCHMARK(BM_Decodifica)->Unit(benchmark::kMillisecond);

void BM_Indici(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state) {
    Indici ix;
    Inizio::Aggiorna_Indici_Archivio(a, ix);
    benchmark::DoNotOptimize(ix);
  }
}
BENCHMARK(BM_Indici)->Unit(benchmark::kMillisecond);

void BM_SuperEnalotto(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state) benchmark::DoNotOptimize(Inizio::Crea_Archivio_SuperEnalotto(a, 4999));
}
BENCHMARK(BM_SuperEnalotto)->Unit(benchmark::kMillisecond);

void BM_RitardiRuote(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state) benchmark::DoNotOptimize(Inizio::Calcola_Storici_Presenze_Ruote(a, 1, 4999));
}
BENCHMARK(BM_RitardiRuote)->Unit(benchmark::kMillisecond);

void BM_CinqueArchiviRSC(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state)
    for (int k = 1; k <= 5; ++k) benchmark::DoNotOptimize(Rsc::Crea_Archivio(a, k));
}
BENCHMARK(BM_CinqueArchiviRSC)->Unit(benchmark::kMillisecond);

// The whole start-up computation: checked load, indices, SuperEnalotto,
// per-wheel delays and the five distance archives.
void BM_AvvioCompleto(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state) {
    auto caricato = Archivio::Decodifica(a.bytes());
    Indici ix;
    Inizio::Aggiorna_Indici_Archivio(*caricato, ix);
    auto super = Inizio::Crea_Archivio_SuperEnalotto(*caricato, ix.TotEstrazioni);
    auto storici = Inizio::Calcola_Storici_Presenze_Ruote(*caricato, 1, ix.TotEstrazioni);
    Rsc::Tabelle t;
    for (int k = 1; k <= 5; ++k) t[k - 1] = Rsc::Crea_Archivio(*caricato, k);
    benchmark::DoNotOptimize(super);
    benchmark::DoNotOptimize(storici);
    benchmark::DoNotOptimize(t);
  }
}
BENCHMARK(BM_AvvioCompleto)->Unit(benchmark::kMillisecond);

}  // namespace
