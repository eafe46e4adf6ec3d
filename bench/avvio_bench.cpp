// Launch to main window shown, on 4999 draws with the distance files present:
// the start-up sequence, the loading, the main window with its range bar, and
// the first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "archivio_bench.h"
#include "core/Inizio.h"
#include "core/MDIForm1.h"
#include "core/StartForm.h"
#include "core/file.h"
#include "core/rsc.h"
#include "ui/ServiziDiProva.h"

namespace {

void BM_AvvioFinoAllaFinestraPrincipale(benchmark::State& state) {
  QTemporaryDir cartella;
  const std::filesystem::path dati = cartella.path().toStdString();
  const Archivio& a = bench::Archivio4999();
  file::ScriviAtomico(dati / "archivio.dat", std::vector<std::uint8_t>(a.bytes().begin(), a.bytes().end()));
  for (int k = 1; k <= 5; ++k) Rsc::Scrivi(dati, k, Rsc::Crea_Archivio(a, k));
  ui::ServiziDiProva servizi;
  for (auto _ : state) {
    Stato stato;
    Programma programma(stato);
    Inizio::Ambiente ambiente{cartella.filePath(QStringLiteral("bin/tarvolane")), cartella.path(),
                              cartella.filePath(QStringLiteral("blocchi"))};
    std::unique_ptr<QLockFile> blocco;
    StartForm* avvio = Inizio::Main(programma, ambiente, blocco);
    avvio->Form_Activate();
    MDIForm1* principale = avvio->principale();
    QApplication::processEvents();
    principale->repaint();
    state.PauseTiming();
    if (!servizi.dialoghi.messaggi.empty()) state.SkipWithError("messaggio inatteso");
    principale->setAttribute(Qt::WA_DeleteOnClose, false);
    delete principale;
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AvvioFinoAllaFinestraPrincipale)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
