#include <benchmark/benchmark.h>

#include "archivio_bench.h"
#include "forecast/attesa_minima.h"
#include "forecast/spia.h"

namespace {

constexpr int kUltima = 4999;

// One "Elabora" of the minimum-wait window over the whole archive: the pair
// waits of the ten wheels, the combinations' statistics, the alerts and the
// cell texts.
void BM_AttesaMinima(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state) benchmark::DoNotOptimize(AttesaMinima::Elabora(a, 1, kUltima));
}
BENCHMARK(BM_AttesaMinima)->Unit(benchmark::kMicrosecond);

// One spy analysis over the whole archive and its report.
void BM_Spia(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state) {
    const auto s = NumeriSpia::Elabora_Spia(a, 1, 45, 1, kUltima);
    benchmark::DoNotOptimize(NumeriSpia::Rapporto(a, *s, "Tarvolane"));
  }
}
BENCHMARK(BM_Spia)->Unit(benchmark::kMicrosecond);

// The all-numbers report: ninety analyses of one wheel.
void BM_SpiaTutti(benchmark::State& state) {
  const auto& a = bench::Archivio4999();
  for (auto _ : state)
    benchmark::DoNotOptimize(NumeriSpia::RapportoTutti(a, 8, 1, kUltima, "Tarvolane"));
}
BENCHMARK(BM_SpiaTutti)->Unit(benchmark::kMicrosecond);

}  // namespace
