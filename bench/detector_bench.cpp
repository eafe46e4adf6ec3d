#include <benchmark/benchmark.h>

#include "archivio_bench.h"
#include "core/indici.h"
#include "forecast/detector.h"

namespace {

const Indici& IndiciBench() {
  static const Indici i = [] {
    Indici out;
    Inizio::Aggiorna_Indici_Archivio(bench::Archivio4999(), out);
    return out;
  }();
  return i;
}

// One whole detector run, as "&Elabora Previsioni" makes it: the month table
// and the per-month tables, both searches and the report, for the month of
// the last draw (a month in progress) on BARI, fifth extract.
void BM_DetectorRun(benchmark::State& state) {
  const Archivio& a = bench::Archivio4999();
  const int ultima = a.ultimaEstrazione();
  const Detector::Richiesta r{1, 5, a.mese(ultima), a.annoCompleto(ultima)};
  for (auto _ : state) {
    auto esito = Detector::Elabora_Previsioni(a, IndiciBench(), ultima, r, "Tarvolane");
    if (!esito) state.SkipWithError(esito.motivo().c_str());
    benchmark::DoNotOptimize(esito);
  }
}
BENCHMARK(BM_DetectorRun)->Unit(benchmark::kMicrosecond);

// Twelve runs, one per month of the year before the last draw's, on
// changing wheels and positions (per iteration: divide by 12 for one run).
void BM_DetectorRunAnnoIntero(benchmark::State& state) {
  const Archivio& a = bench::Archivio4999();
  const int ultima = a.ultimaEstrazione();
  const int anno = a.annoCompleto(ultima) - 1;
  for (auto _ : state)
    for (int mese = 1; mese <= 12; ++mese) {
      const Detector::Richiesta r{1 + mese % 10, 1 + mese % 5, mese, anno};
      benchmark::DoNotOptimize(
          Detector::Elabora_Previsioni(a, IndiciBench(), ultima, r, "Tarvolane"));
    }
}
BENCHMARK(BM_DetectorRunAnnoIntero)->Unit(benchmark::kMicrosecond);

}  // namespace
