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

#include <cctype>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#ifdef TARVOLANE_BENCH_FINESTRE
#include <QApplication>
#endif

namespace {

// An output option as the library reads it: the last "--name=value" of the
// command line, else the environment variable of the name in capitals
// (BENCHMARK_FORMAT for benchmark_format), else empty.
std::string Opzione(int argc, char** argv, const std::string& nome) {
  std::string variabile = nome, valore;
  for (char& c : variabile) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (const char* v = std::getenv(variabile.c_str())) valore = v;
  const std::string prefisso = "--" + nome + "=";
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]).starts_with(prefisso)) valore = argv[i] + prefisso.size();
  return valore;
}

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
  // Read before the library takes its options out of argv.
  std::unique_ptr<benchmark::BenchmarkReporter> schermo, file;
  if (Opzione(argc, argv, "benchmark_format") == "csv") schermo = std::make_unique<RiportoCsv>();
  if (!Opzione(argc, argv, "benchmark_out").empty() &&
      Opzione(argc, argv, "benchmark_out_format") == "csv")
    file = std::make_unique<RiportoCsv>();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks(schermo.get(), file.get());
  benchmark::Shutdown();
  return 0;
}
