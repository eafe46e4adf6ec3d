#include <benchmark/benchmark.h>

#include "archivio_bench.h"
#include "core/rsc.h"
#include "stats/gruppi_ritardo.h"
#include "stats/statistica_data.h"

namespace {

constexpr int kUltima = 4999;

Statistiche::Ruote Tutte() {
  Statistiche::Ruote r{};
  for (int w = 1; w <= 10; ++w) r[w] = true;
  return r;
}

// The day-of-draw statistics of ten wheels over 4999 draws: the run and its
// report, then also the lines of the event list the window shows.
void BM_StatisticaData(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  const bool righe = state.range(0) != 0;
  for (auto _ : state) {
    auto e = StatisticaData::Statistica_Data(a, 1, kUltima, Tutte(), 11);
    if (righe)
      for (const auto& ev : e.corsa.eventi()) benchmark::DoNotOptimize(Statistiche::RigaEvento(a, ev));
    benchmark::DoNotOptimize(e);
  }
}
BENCHMARK(BM_StatisticaData)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The five delay tables and the groups as of the last draw: what every step
// of the reference draw computes.
void BM_GruppiRitardo(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  const auto& t = bench::TabelleRSC4999();
  for (auto _ : state) benchmark::DoNotOptimize(GruppiRitardo::Calcola_Situazione(a, t, kUltima));
}
BENCHMARK(BM_GruppiRitardo)->Unit(benchmark::kMicrosecond);

// The delay-group statistics of ten wheels over 4999 draws (group 1, ambo),
// with the lines of the event list.
void BM_StatisticaGruppo(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  const auto gruppi = GruppiRitardo::Calcola_Situazione(a, bench::TabelleRSC4999(), kUltima).gruppi;
  GruppiRitardo::Opzioni o;
  o.gruppo = 1;
  o.sorte = 2;
  o.ruote = Tutte();
  o.inizio = 1;
  o.riferimento = kUltima;
  o.voceGruppo = "  1 - 6";
  for (auto _ : state) {
    auto e = GruppiRitardo::Statistica_Gruppo(a, gruppi, o);
    for (const auto& ev : e.corsa.eventi()) benchmark::DoNotOptimize(Statistiche::RigaEvento(a, ev));
    benchmark::DoNotOptimize(e);
  }
}
BENCHMARK(BM_StatisticaGruppo)->Unit(benchmark::kMicrosecond);

}  // namespace
