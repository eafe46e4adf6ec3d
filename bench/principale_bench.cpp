// The entry of both benchmark programs (the window benchmarks run inside a
// QApplication): the benchmarks chosen on the command line, with the
// reporters it asks for (--benchmark_format; --benchmark_out with
// --benchmark_out_format).
//
// Google Benchmark's CSV reporter writes its header, with the names of the
// counters, when the first benchmark reports (whether or not it has any),
// and stops the program on a later run with a counter that the header
// lacks. Only some of our benchmarks have counters, and not all the same
// ones: in CSV the runs are kept and written at the end, under a header with
// every counter; a run without one of them leaves its column empty. Console
// and JSON output are the library's own and come as each benchmark ends.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#ifdef TARVOLANE_BENCH_FINESTRE
#include <QApplication>
#endif

namespace benchmark {
// The flags as the library read them from the command line or from the
// environment (BENCHMARK_FORMAT, BENCHMARK_OUT, BENCHMARK_OUT_FORMAT).
extern std::string FLAGS_benchmark_format;
extern std::string FLAGS_benchmark_out;
extern std::string FLAGS_benchmark_out_format;
}  // namespace benchmark

namespace {

// The library marks its CSV reporter as going away in a later release;
// while it has the format, this reporter is that one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
class RiportoCsv : public benchmark::CSVReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    mRuns.insert(mRuns.end(), runs.begin(), runs.end());
  }
  void Finalize() override {
    if (!mRuns.empty()) CSVReporter::ReportRuns(mRuns);
    mRuns.clear();
    CSVReporter::Finalize();
  }

 private:
  std::vector<Run> mRuns;
};
#pragma GCC diagnostic pop

}  // namespace

int main(int argc, char** argv) {
#ifdef TARVOLANE_BENCH_FINESTRE
  QApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::unique_ptr<benchmark::BenchmarkReporter> schermo, file;
  if (benchmark::FLAGS_benchmark_format == "csv") schermo = std::make_unique<RiportoCsv>();
  if (!benchmark::FLAGS_benchmark_out.empty() && benchmark::FLAGS_benchmark_out_format == "csv")
    file = std::make_unique<RiportoCsv>();
  benchmark::RunSpecifiedBenchmarks(schermo.get(), file.get());
  benchmark::Shutdown();
  return 0;
}
