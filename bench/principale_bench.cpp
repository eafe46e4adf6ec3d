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
//
// Given an output format it does not know, the library prints its usage and
// exits with success, so a script takes the run for done; it takes an empty
// output file name as "no file". Such values are refused here, naming the
// option and the value, before the library or any benchmark starts.
#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifdef TARVOLANE_BENCH_FINESTRE
#include <QApplication>
#endif

namespace {

// An output option's value and where it came from, for messages.
struct Valore {
  std::string testo;
  std::string fonte;  // "--benchmark_format" or "la variabile d'ambiente BENCHMARK_FORMAT"
};

// An output option as the library reads it: the last "--name=value" of the
// command line, else the environment variable of the name in capitals
// (BENCHMARK_FORMAT for benchmark_format), even when set to nothing; else
// none, and the library's default holds.
std::optional<Valore> Opzione(int argc, char** argv, const std::string& nome) {
  std::string variabile = nome;
  for (char& c : variabile) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::optional<Valore> valore;
  if (const char* v = std::getenv(variabile.c_str()))
    valore = Valore{v, "la variabile d'ambiente " + variabile};
  const std::string prefisso = "--" + nome + "=";
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]).starts_with(prefisso))
      valore = Valore{argv[i] + prefisso.size(), "--" + nome};
  return valore;
}

std::string Testo(int argc, char** argv, const std::string& nome) {
  const auto valore = Opzione(argc, argv, nome);
  return valore ? valore->testo : std::string();
}

// Says on stderr why a value is refused. Control characters are written as
// \xNN, so that an escape sequence in the value never reaches the terminal.
void Rifiuta(const Valore& valore, const char* motivo) {
  std::string mostrato;
  for (const char c : valore.testo) {
    const auto u = static_cast<unsigned char>(c);
    char codice[5];
    std::snprintf(codice, sizeof codice, "\\x%02X", u);
    mostrato += u < 0x20 || u == 0x7F ? std::string(codice) : std::string(1, c);
  }
  std::fprintf(stderr, "valore non valido per %s: \"%s\" (%s)\n", valore.fonte.c_str(),
               mostrato.c_str(), motivo);
}

// Whether the library takes every output option it will read; each value it
// would not take is named on stderr.
bool OpzioniValide(int argc, char** argv) {
  bool valide = true;
  for (const char* nome : {"benchmark_format", "benchmark_out_format"}) {
    const auto v = Opzione(argc, argv, nome);
    if (v && v->testo != "console" && v->testo != "json" && v->testo != "csv") {
      Rifiuta(*v, "ammessi: console, json, csv");
      valide = false;
    }
  }
  if (const auto v = Opzione(argc, argv, "benchmark_out"); v && v->testo.empty()) {
    Rifiuta(*v, "serve il nome di un file");
    valide = false;
  }
  return valide;
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
  // Before the window system starts, so that a refusal needs no display.
  if (!OpzioniValide(argc, argv)) return 1;
#ifdef TARVOLANE_BENCH_FINESTRE
  QApplication app(argc, argv);
#endif
  // Read before the library takes its options out of argv.
  std::unique_ptr<benchmark::BenchmarkReporter> schermo, file;
  if (Testo(argc, argv, "benchmark_format") == "csv") schermo = std::make_unique<RiportoCsv>();
  if (!Testo(argc, argv, "benchmark_out").empty() &&
      Testo(argc, argv, "benchmark_out_format") == "csv")
    file = std::make_unique<RiportoCsv>();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks(schermo.get(), file.get());
  benchmark::Shutdown();
  return 0;
}
