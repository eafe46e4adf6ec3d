// Window benchmarks on 4999 draws: the launch to the main window shown (the
// start-up sequence, the loading, the main window with its range bar, the
// first paint), the analytic board computed and refilled for one reference
// draw, and the method tester's longest report computed and shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QDir>
#include <QFontInfo>
#include <QScrollBar>
#include <QSignalBlocker>
#include <functional>
#include <QTemporaryDir>
#include <QTest>

#include "archivio_bench.h"
#include "archive/Extrazioni.h"
#include "boards/TabAna.h"
#include "methods/Metodi.h"
#include "app/Inizio.h"
#include "app/MDIForm1.h"
#include "app/StartForm.h"
#include "core/file.h"
#include "core/indici.h"
#include "core/rsc.h"
#include "methods/verifica.h"
#include "support/programma_di_prova.h"
#include "ui/Finestre.h"
#include "ui/Font.h"
#include "ui/Griglia.h"
#include "ui/PannelloTesto.h"
#include "ui/ServiziDiProva.h"

namespace {

// The face a widget's font resolves to on this machine, and whether Qt flags
// it fixed-pitch: the pane's cost must not depend on either.
std::string Faccia(const QWidget* w) {
  const QFontInfo f(w->font());
  return f.family().toStdString() + (f.fixedPitch() ? " (fixed-pitch)" : " (not fixed-pitch)");
}

// Ten lines played at every draw: with code T, 100 colpi and all ten wheels
// their report has about half a million lines.
constexpr const char* kMetodo[] = {"M  TM  1°BA+5", "M  TM  1°BA+5,3°NA-12 & 2°RO+7", "MA  TM  5°VE+45 & 1°MI-3",
                                   "M  TM  2°FI+17 & 4°CA+89 & 3°GE+1", "M  TM  1°TO+0", "M  TM  3°PA+30,1°RO-1",
                                   "M  TM  2°MI+45 & 4°GE+10", "M  TM  5°CA+72", "A  TM  1°BA+0 & 2°BA+0 & 3°BA+30",
                                   "A  TM  1°PA+10 & 2°PA+20"};

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

// The analytic board: computation, the full grid refill and its paint for
// one reference draw, stepping back from the last draw as the user does.
void BM_TabAnaCalcoloERiempimento(benchmark::State& state) {
  auto e = prova::Ultime(4999);
  if (e.size() < 4999) e = prova::Sintetiche(4999);
  prova::ProgrammaDiProva p(e);
  MDIForm1& m = p.principale();
  m.MnuEstTabAna_Click();
  TabAna* t = m.finestre().trova<TabAna>();
  QTest::qWait(200);  // on screen before the clock starts
  if (!t->ana->isVisible()) state.SkipWithError("griglia non visibile");
  int riferimento = 4999;
  for (auto _ : state) {
    t->Crea_Tabellone_Analitico(riferimento);
    t->ana->viewport()->repaint();  // the refill shown on screen
    if (--riferimento < 4000) riferimento = 4999;
  }
}
BENCHMARK(BM_TabAnaCalcoloERiempimento)->Unit(benchmark::kMillisecond);

// The grid filled with 5000 rows of six cells and painted once.
void BM_GrigliaCinquemilaRighe(benchmark::State& state) {
  ui::Griglia g;
  g.setCols(6);
  g.resize(400, 300);
  g.show();
  QTest::qWait(50);
  int giro = 0;
  for (auto _ : state) {
    g.setRedraw(false);
    g.setRows(1);
    g.setRows(5001);
    for (int r = 1; r <= 5000; ++r)
      for (int c = 0; c < 6; ++c) g.setTextMatrix(r, c, QString::number(r * c + giro));
    g.setRedraw(true);
    g.viewport()->repaint();
    ++giro;
  }
}
BENCHMARK(BM_GrigliaCinquemilaRighe)->Unit(benchmark::kMillisecond);

// The archive editor opened on 4999 draws, then a hundred steps back.
void BM_EditorAperturaEScorrimento(benchmark::State& state) {
  prova::ProgrammaDiProva p(prova::Sintetiche(4999));
  MDIForm1& m = p.principale();
  for (auto _ : state) {
    m.MnuEstGest_Click();
    Extrazioni& e = *m.finestre().trova<Extrazioni>();
    for (int d = 4999; d > 4899; --d) e.Scroll->setValue(d);
    state.PauseTiming();
    m.finestre().chiudiTutteTranne(nullptr);
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_EditorAperturaEScorrimento)->Unit(benchmark::kMillisecond);

// The computation alone, on the same archive.
void BM_TabAnaCalcolo(benchmark::State& state) {
  const Archivio& a = bench::Archivio4999();
  int riferimento = 4999;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Tabelloni::Crea_Tabellone_Analitico(a, 1, riferimento));
    if (--riferimento < 4000) riferimento = 4999;
  }
}
BENCHMARK(BM_TabAnaCalcolo)->Unit(benchmark::kMillisecond);

// The method tester's run as the user sees it: ten lines at every draw of
// the archive, 100 colpi, all ten wheels; the report (half a million lines)
// built and shown in the output pane.
void BM_MetodiElabora(benchmark::State& state) {
  auto e = prova::Ultime(4999);
  if (e.size() < 4999) e = prova::Sintetiche(4999);
  prova::ProgrammaDiProva p(e);
  MDIForm1& m = p.principale();
  m.mnuPrevMetodiT_Click();
  Metodi* t = m.finestre().trova<Metodi>();
  for (const char* riga : kMetodo) t->ListPro->addItem(QString::fromUtf8(riga));
  t->TbMet->setCurrentIndex(1);
  t->CmbAnno[0]->setCurrentIndex(0);
  t->TxtColpi->setCurrentIndex(99);
  t->CheckRuota[11]->click();
  QTest::qWait(200);
  for (auto _ : state) {
    t->Cmd_Click(0);
    t->Text1->viewport()->repaint();
  }
  if (!p.servizi.dialoghi.messaggi.empty()) state.SkipWithError("messaggio inatteso");
  state.SetLabel(Faccia(t->Text1));
}
BENCHMARK(BM_MetodiElabora)->Unit(benchmark::kMillisecond)->Iterations(3);

// That report's text as the model gives it (UTF-8, CR LF).
const std::string& RapportoMetodo() {
  static const std::string testo = [] {
    const Archivio& a = bench::Archivio4999();
    Indici indici;
    Inizio::Aggiorna_Indici_Archivio(a, indici);
    const metodi::Base base = metodi::PreparaBase(a, indici);
    std::vector<std::optional<metodi::Pronostico>> righe;
    for (const char* r : kMetodo) righe.push_back(*metodi::LeggiPronostico(r));
    metodi::Opzioni o;
    o.fine = 1;
    o.colpi = 100;
    for (int w = 0; w < 10; ++w) o.ruote[static_cast<std::size_t>(w)] = 1;
    const auto tavola = metodi::Tavola::Lotto(a, base.ultima);
    const auto v = metodi::Esegui(base, tavola, metodi::Lotto(), righe, o);
    return metodi::ScriviRapporto(v, righe, base, tavola, metodi::Lotto(), o).testo;
  }();
  return testo;
}

// The report pane alone: the half-million-line report shown and painted,
// then its last line brought into view and painted. Arg 0: a read-only
// QPlainTextEdit with every cheap measure (no wrapping, no undo, signals
// blocked, one call, a fixed font); arg 1: the pane the tools use.
void BM_PannelloRapporto(benchmark::State& state) {
  const std::string& testo = RapportoMetodo();
  std::unique_ptr<QAbstractScrollArea> vista;
  std::function<void()> riempi;
  if (state.range(0) == 0) {
    auto* e = new QPlainTextEdit;
    e->setReadOnly(true);
    e->setUndoRedoEnabled(false);
    e->setLineWrapMode(QPlainTextEdit::NoWrap);
    riempi = [e, &testo] {
      QSignalBlocker b1(e), b2(e->document());
      QString t = QString::fromStdString(testo);
      t.remove(QLatin1Char('\r'));
      e->setPlainText(t);
      e->moveCursor(QTextCursor::End);
    };
    vista.reset(e);
  } else {
    auto* p = new ui::PannelloTesto;
    riempi = [p, &testo] {
      p->setTesto(testo);
      p->setCursore(p->fine());
    };
    vista.reset(p);
  }
  vista->setFont(ui::FontRapporto(9));
  vista->resize(800, 600);
  vista->show();
  QTest::qWait(50);
  for (auto _ : state) {
    riempi();
    vista->viewport()->repaint();
  }
  state.counters["righe"] = static_cast<double>(std::count(testo.begin(), testo.end(), '\n'));
  state.SetLabel(Faccia(vista.get()));
}
BENCHMARK(BM_PannelloRapporto)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
