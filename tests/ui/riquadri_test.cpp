// The real message boxes: what comes from a file is shown as written, a box
// keeps its words on the screens users have (the test screens: 800×600, the
// primary, 1024×600 and 1366×768), and a box stands over the window it speaks
// for.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QAccessible>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <set>

#include "methods/MetodiS.h"
#include "methods/tester_di_prova.h"
#include "stats/StatRicerca.h"
#include "stats/TabForm.h"
#include "stats/tabella_formazioni.h"
#include "ui/NomiAccessibili.h"
#include "ui/PannelloTesto.h"
#include "ui/Testo.h"
#include "ui/dialoghi_veri.h"
#include "ui/osservatore.h"
#include "ui/schermi.h"

namespace fs = std::filesystem;
using prova::Schermo;
using prova::SulloSchermo;
using prova::Osservatore;

namespace {

// What a box showed, where, and how long after the action began.
struct Riquadro {
  QString testo;
  Qt::TextFormat formato = Qt::AutoText;
  QRect cornice;
  QWidget* padre = nullptr;
  qint64 ms = -1;
};

// Runs `azione` and records the first message box it shows, then closes it.
Riquadro Osserva(const std::function<void()>& azione) {
  Riquadro r;
  QElapsedTimer cronometro;
  QTimer guarda;
  QObject::connect(&guarda, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) {
        const auto* l = b->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        r = {l->text(), l->textFormat(), b->frameGeometry(), b->parentWidget(),
             cronometro.elapsed()};
        guarda.stop();
        b->reject();
      }
  });
  guarda.start(0);
  cronometro.start();
  azione();
  return r;
}


// The current folder for the length of a test: the folder a label's markup
// would load a picture from.
class CartellaCorrente {
 public:
  explicit CartellaCorrente(const fs::path& p) : mPrima(fs::current_path()) { fs::current_path(p); }
  ~CartellaCorrente() { fs::current_path(mPrima); }

 private:
  fs::path mPrima;
};

// "zz" beside the program: a FIFO (which blocks whoever opens it) or a link to
// /dev/zero (which never ends).
void Trappola(const fs::path& cartella, bool fifo) {
  fs::remove(cartella / "zz");
  if (fifo)
    ASSERT_EQ(::mkfifo((cartella / "zz").c_str(), 0600), 0);
  else
    fs::create_symlink("/dev/zero", cartella / "zz");
}

template <class W>
void NomiDiMetodoComeScritti(void (MDIForm1::*apri)()) {
  prova::TesterAperto<W> t(apri);
  prova::DialoghiVeri veri(true);
  CartellaCorrente qui(t.p.cartella.percorso());
  QRect schermo = SulloSchermo(t.p.principale(), Schermo("1366x768"));
  for (const bool fifo : {true, false}) {
    Trappola(t.p.cartella.percorso(), fifo);
    for (const char* nome : {"<img src=zz>.mtd", "<img width=3000 height=2000>.mtd", "a&lt;b.mtd",
                             "<b>grassetto<i>.mtd"}) {
      SCOPED_TRACE(std::string(nome) + (fifo ? ", FIFO" : ", /dev/zero"));
      t.Scrivi(nome, "0123\r\n");  // an options line too short
      t.Scegli(nome);
      const Riquadro r = Osserva([&] { t.m->Cmd_Click(5); });
      EXPECT_TRUE(r.testo.startsWith(
          QStringLiteral("Impossibile aprire il metodo %1:").arg(QString::fromUtf8(nome))))
          << ui::S(r.testo);
      EXPECT_EQ(r.formato, Qt::PlainText);
      EXPECT_TRUE(schermo.contains(r.cornice)) << r.cornice.width() << "x" << r.cornice.height();
      EXPECT_LT(r.ms, 1000);
    }
  }
}

}  // namespace

TEST(TestoComeScritto, MethodFileNamesInBothTesters) {
  RICHIEDE_SCHERMO("1366x768");
  NomiDiMetodoComeScritti<Metodi>(&MDIForm1::mnuPrevMetodiT_Click);
  NomiDiMetodoComeScritti<MetodiS>(&MDIForm1::mnuPrevMetodiS_Click);
}

// Group names like markup open both table windows and read as written, in
// their lists, tooltips and the window menu.
TEST(TestoComeScritto, TableNamesInBothTableWindows) {
  prova::ProgrammaDiProva p(prova::Sintetiche(10));
  CartellaCorrente qui(p.cartella.percorso());
  Trappola(p.cartella.percorso(), true);
  ASSERT_TRUE(file::ScriviAtomico(p.stato.CartellaProgramma / "TabFnum.txt",
                                  "G=<img src=zz>\r\nF=<b>uno</b> & due\r\nN=1.2\r\n"));
  MDIForm1& m = p.principale();
  m.MnuStatTab_Click();
  const TabForm* editor = m.finestre().trova<TabForm>();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->ListG->item(0)->text(), "<img src=zz>");
  m.MnuStatAnaNum_Click();
  ASSERT_NE(m.finestre().trova<StatRicerca>(), nullptr);
  EXPECT_TRUE(p.servizi.dialoghi.testi().isEmpty()) << ui::S(p.servizi.dialoghi.testi().join('|'));
  for (QLabel* l : m.findChildren<QLabel*>())
    EXPECT_EQ(l->textFormat(), Qt::PlainText) << ui::S(l->text());
}

namespace {

// The names in a folder.
std::set<std::string> Elenco(const fs::path& cartella) {
  std::set<std::string> nomi;
  for (const auto& voce : fs::directory_iterator(cartella)) nomi.insert(voce.path().filename());
  return nomi;
}

constexpr std::string_view kMetodo =
    "0200010500040015000110000100000001\r\nMA  1M  1\xB0"
    "BA+5,3\xB0"
    "NA-12 & 2\xB0"
    "RO+7\r\n";

// "Salva Metodo" on an opened method proposes its file, extension included,
// in its folder; accepting the proposal replaces that file after the
// dialog's question, and no other file appears. "Metodi" is a name like any
// other. A name with line breaks heads the summary on one line.
template <class W>
void SalvaNelFileAperto(void (MDIForm1::*apri)()) {
  prova::TesterAperto<W> t(apri);
  const fs::path cartella = t.p.cartella.percorso() / "altrove";
  fs::create_directory(cartella);
  for (const char* nome : {"METODO1.MTD", "Metodi.mtd"}) {
    SCOPED_TRACE(nome);
    const fs::path file = cartella / nome;
    ASSERT_TRUE(file::ScriviAtomico(file, kMetodo));
    t.p.servizi.dialoghi.file.push_back(ui::Q(file.string()));
    t.m->Cmd_Click(5);
    ASSERT_TRUE(t.Messaggi().isEmpty()) << ui::S(t.Messaggi().join('|'));
    const QString metodo = QString::fromUtf8(nome).chopped(4);
    t.m->CmdNum_Click(12);
    EXPECT_EQ(t.m->Text1->testo().section('\n', 0, 0), QStringLiteral("Metodo <%1>").arg(metodo));
    t.m->ListPro->addItem(QStringLiteral("M  1M  2°CA+7"));
    const std::set<std::string> prima = Elenco(cartella);
    prova::DialoghiVeri veri;
    {
      Osservatore o(true);
      t.m->Cmd_Click(4);
      EXPECT_EQ(o.proposto, QString::fromUtf8(nome));
      EXPECT_EQ(o.cartella, ui::Q(cartella.string()));
      EXPECT_TRUE(o.riquadro.contains(QString::fromUtf8(nome))) << ui::S(o.riquadro);
    }
    EXPECT_EQ(Elenco(cartella), prima);
    EXPECT_EQ(t.Leggi(("altrove/" + std::string(nome)).c_str()), std::string(kMetodo) + "M  1M  2\xB0" "CA+7\r\n");
    EXPECT_EQ(t.m->windowTitle(), metodo);
    Osservatore o;
    t.m->Cmd_Click(3);
    EXPECT_EQ(o.proposto, metodo + QStringLiteral(".txt"));
  }
  // A name with a tab and line breaks: the title shows it on one line, a
  // screen reader reads it as written.
  t.Scrivi("x\ty\r\nz\n.mtd", kMetodo);
  t.Scegli("x\ty\r\nz\n.mtd");
  t.m->Cmd_Click(5);
  EXPECT_EQ(t.m->windowTitle(), "x y z ");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(t.m->parentWidget())->text(QAccessible::Name),
            "x\ty\r\nz\n");
  t.m->CmdNum_Click(12);
  t.Scegli("Uscita.txt");
  t.m->Cmd_Click(3);
  const std::string uscita = t.Leggi("Uscita.txt");
  const std::string inizio = "TARVOLANE\r\n\r\nMetodo <x y z >\r\n\r\nPeriodo Test";
  EXPECT_EQ(uscita.substr(0, inizio.size()), inizio);
  for (std::size_t i = uscita.find('\n'); i != std::string::npos; i = uscita.find('\n', i + 1))
    EXPECT_EQ(uscita[i - 1], '\r') << i;
}

// The folder a save dialog was asked for is gone (a stick pulled out, a
// folder renamed): a box says so before the dialog opens, over the nearest
// folder that is there, where another method of the same name must not be
// taken for the user's own; an open dialog just opens. A method file that is
// a link: saved through the link while its folder is there, refused and kept
// when not. A new method saved as "X" is "X" from then on; "Salva Metodo"
// goes back to the method's own folder after an output saved elsewhere; a
// report's proposal is a whole name, whatever dots the method's name has.
template <class W>
void SalvaDoveChiede(void (MDIForm1::*apri)()) {
  prova::TesterAperto<W> t(apri);
  const fs::path m = t.p.cartella.percorso() / "M", chiavetta = m / "chiavetta";
  fs::create_directories(chiavetta);
  ASSERT_TRUE(file::ScriviAtomico(chiavetta / "A.MTD", kMetodo));
  ASSERT_TRUE(file::ScriviAtomico(m / "A.MTD", std::string_view("un altro metodo")));
  t.p.servizi.dialoghi.file.push_back(ui::Q(chiavetta.string()) + QStringLiteral("/A.MTD"));
  t.m->Cmd_Click(5);
  t.m->CmdNum_Click(12);
  fs::rename(chiavetta, m / "rinominata");
  {
    prova::DialoghiVeri veri;
    for (const int salva : {4, 3}) {
      SCOPED_TRACE(salva);
      Osservatore o;
      t.m->Cmd_Click(salva);
      EXPECT_EQ(o.riquadri,
                QStringList{QStringLiteral("La cartella «%1» non esiste più.\nIl file si può salvare "
                                           "in «%2» o in un'altra cartella.")
                                .arg(ui::Q(chiavetta.string()), ui::Q(m.string()))});
      EXPECT_EQ(o.cartella, ui::Q(m.string()));
      EXPECT_EQ(o.proposto, salva == 4 ? QStringLiteral("A.MTD") : QStringLiteral("A.txt"));
    }
    Osservatore o;
    t.m->Cmd_Click(5);
    EXPECT_EQ(o.riquadri, QStringList());
  }
  EXPECT_EQ(t.Leggi("M/A.MTD"), "un altro metodo");
  fs::rename(m / "rinominata", chiavetta);
  // An output saved elsewhere; the method is still proposed in its own folder.
  fs::create_directory(m / "uscite");
  t.Scegli("M/uscite/A.txt");
  t.m->Cmd_Click(3);
  {
    prova::DialoghiVeri veri;
    Osservatore o;
    t.m->Cmd_Click(4);
    EXPECT_EQ(o.cartella, ui::Q(chiavetta.string()));
    EXPECT_EQ(o.riquadri, QStringList());
  }

  // A link to a method: written through while the folder it leads into is
  // there, even with its file gone; refused with the reason when not.
  fs::create_directories(m / "t");
  fs::create_symlink("../t/vero.mtd", m / "chiavetta" / "L.mtd");
  t.Scrivi("M/t/vero.mtd", kMetodo);
  t.Scegli("M/chiavetta/L.mtd");
  t.m->Cmd_Click(5);
  const int righe = t.m->ListPro->count();
  fs::remove(m / "t" / "vero.mtd");
  t.Scegli("M/chiavetta/L.mtd");
  t.m->Cmd_Click(4);
  EXPECT_EQ(t.Leggi("M/t/vero.mtd"), kMetodo);
  fs::rename(m / "t", m / "t2");
  t.Scegli("M/chiavetta/L.mtd");
  t.m->Cmd_Click(4);
  EXPECT_EQ(t.Messaggi().join('|'),
            QStringLiteral("impossibile scrivere L.mtd: è un collegamento a un file inesistente"));
  EXPECT_EQ(fs::read_symlink(m / "chiavetta" / "L.mtd"), "../t/vero.mtd");
  EXPECT_FALSE(fs::exists(m / "t"));
  EXPECT_EQ(t.m->ListPro->count(), righe);
  EXPECT_EQ(t.m->windowTitle(), "L");

  // A new method saved as "X".
  {
    prova::TesterAperto<W> n(apri);
    n.m->CheckRuota[1]->setChecked(true);
    n.m->ListPro->addItem(QStringLiteral("M  1M  2°CA+7"));
    n.Scegli("X.mtd");
    n.m->Cmd_Click(4);
    ASSERT_TRUE(n.Messaggi().isEmpty()) << ui::S(n.Messaggi().join('|'));
    n.m->CmdNum_Click(12);
    EXPECT_EQ(n.m->Text1->testo().section('\n', 0, 0), QStringLiteral("Metodo <X>"));
    prova::DialoghiVeri veri;
    Osservatore o;
    n.m->Cmd_Click(4);
    EXPECT_EQ(o.proposto, QStringLiteral("X.mtd"));
  }

  // The report of a method whose name has dots: the proposal names a new
  // text file, never the method's own file or the archive.
  const std::vector<std::uint8_t> archivio = prova::Binario(t.Percorso("archivio.dat"));
  for (const char* nome : {"Ambo v2.1", "prova.mtd", "archivio.dat"}) {
    SCOPED_TRACE(nome);
    const std::string metodo = std::string(nome) + ".mtd";
    t.Scrivi(metodo.c_str(), kMetodo);
    t.Scegli(metodo.c_str());
    t.m->Cmd_Click(5);
    t.m->CmdNum_Click(12);
    prova::DialoghiVeri veri;
    Osservatore o(true);
    t.m->Cmd_Click(3);
    EXPECT_EQ(o.proposto, QString::fromUtf8(nome) + QStringLiteral(".txt"));
    EXPECT_EQ(t.Leggi((std::string(nome) + ".txt").c_str()).substr(0, 13), "TARVOLANE\r\n\r\n");
    EXPECT_EQ(t.Leggi(metodo.c_str()), kMetodo);
  }
  EXPECT_EQ(prova::Binario(t.Percorso("archivio.dat")), archivio);
}

}  // namespace

TEST(TestoComeScritto, ASaveWritesBackToTheFileThatWasOpened) {
  SalvaNelFileAperto<Metodi>(&MDIForm1::mnuPrevMetodiT_Click);
  SalvaNelFileAperto<MetodiS>(&MDIForm1::mnuPrevMetodiS_Click);
}

TEST(TestoComeScritto, ASaveLandsOnlyInTheFileTheUserSees) {
  SalvaDoveChiede<Metodi>(&MDIForm1::mnuPrevMetodiT_Click);
  SalvaDoveChiede<MetodiS>(&MDIForm1::mnuPrevMetodiS_Click);
}

// A method's name comes from its file, whatever the title makes of "[*]" and
// "&": the summary, the names the save dialogs propose, the print job, the
// window menu and what a screen reader says of the window.
TEST(TestoComeScritto, MethodNamesAreNeverReadBackFromTheTitle) {
  prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
  for (const char* nome : {"prova[*]", "x[*]y", "a&b"}) {
    SCOPED_TRACE(nome);
    const std::string file = std::string(nome) + ".mtd";
    t.Scrivi(file.c_str(), kMetodo);
    t.Scegli(file.c_str());
    t.m->Cmd_Click(5);
    ASSERT_TRUE(t.Messaggi().isEmpty()) << ui::S(t.Messaggi().join('|'));
    prova::DialoghiVeri veri;
    t.m->CmdNum_Click(12);
    EXPECT_EQ(t.m->Text1->testo().section('\n', 0, 0), QStringLiteral("Metodo <%1>").arg(nome));
    for (const int salva : {4, 3}) {
      Osservatore o;
      t.m->Cmd_Click(salva);
      EXPECT_EQ(o.proposto, QString::fromUtf8(salva == 4 ? file : std::string(nome) + ".txt"))
          << salva;
      EXPECT_EQ(o.riquadro, QString());
    }
    t.m->Cmd_Click(2);
    EXPECT_EQ(t.p.servizi.stampante.documenti.back().nome, QString::fromUtf8(nome));
    auto* cornice = qobject_cast<QMdiSubWindow*>(t.m->parentWidget());
    ASSERT_NE(cornice, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(cornice)->text(QAccessible::Name), nome);
    QMenu* finestra = t.p.principale().menuBar()->findChild<QMenu*>(QStringLiteral("MnuFinestra"));
    emit finestra->aboutToShow();
    EXPECT_EQ(ui::SenzaTasti(finestra->actions().last()->text()), QStringLiteral("1 %1").arg(nome));
  }
}

// A name too long for the screen loses its middle in the window menu, which
// then fits the smallest screen; the title keeps the whole name.
TEST(RiquadriCheEntrano, ALongNameInTheWindowMenu) {
  RICHIEDE_SCHERMO("1024x600");
  prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
  const QRect schermo = SulloSchermo(t.p.principale(), Schermo("1024x600"));
  const std::string nome = "Inizio" + std::string(240, 'W') + "Fine!";
  t.Scrivi((nome + ".mtd").c_str(), kMetodo);
  t.Scegli((nome + ".mtd").c_str());
  t.m->Cmd_Click(5);
  EXPECT_EQ(t.m->windowTitle(), ui::Q(nome));
  QMenuBar* barra = t.p.principale().menuBar();
  QMenu* finestra = barra->findChild<QMenu*>(QStringLiteral("MnuFinestra"));
  QTest::mouseClick(barra, Qt::LeftButton, {},
                    barra->actionGeometry(finestra->menuAction()).center());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra));
  EXPECT_TRUE(schermo.contains(finestra->geometry()))
      << finestra->x() << "," << finestra->y() << " " << finestra->width();
  QAction* ultima = finestra->actions().last();
  const QString voce = ui::SenzaTasti(ultima->text());
  EXPECT_LE(finestra->actionGeometry(ultima).right(), finestra->rect().right());
  EXPECT_TRUE(voce.startsWith(QStringLiteral("1 Inizio")) && voce.endsWith(QStringLiteral("Fine!")) &&
              voce.contains(u'…'))
      << ui::S(voce);
  finestra->hide();
}

// A box wraps what it can and cuts only what the screen cannot hold: each of
// the program's notices whole on the smallest screen, the reason after a long
// name, and ten huge lines inside either screen.
TEST(RiquadriCheEntrano, KeepTheirWordsOnSmallScreens) {
  RICHIEDE_SCHERMO("1024x600");
  RICHIEDE_SCHERMO("1366x768");
  prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
  prova::DialoghiVeri veri(true);
  const QString avviso =
      ui::Q(formazioni::AvvisoTabellaRidotta({true, true, true})) +
      QStringLiteral(
          "\n\nSalvandola, quanto non è stato caricato andrà perso.\n\nSalvare comunque ?");
  const QString opzioni = QStringLiteral(
      "Il metodo chiede sia \"Evidenzia solo casi positivi\" sia \"Solo Riepilogo\", che si "
      "escludono: resta solo \"Solo Riepilogo\".");
  for (const char* nome : {"1024x600", "1366x768"}) {
    SCOPED_TRACE(nome);
    const QRect schermo = SulloSchermo(t.p.principale(), Schermo(nome));
    for (const QString& testo : {avviso, QStringList(9, opzioni).join(u'\n')}) {
      const Riquadro r = Osserva([&] { ui::Msg(t.m, testo); });
      EXPECT_EQ(r.testo, testo);
      EXPECT_TRUE(schermo.contains(r.cornice));
    }
    // The options as the tester announces them.
    t.Scrivi("Fermo.mtd",
             "0900991100010005211110000001000012\nM  1M  1\xB0"
             "BA+5");
    t.Scegli("Fermo.mtd");
    EXPECT_EQ(Osserva([&] { t.m->Cmd_Click(5); }).testo, opzioni);
    // A method saved under a name longer than the file system takes.
    t.Scegli((std::string(252, 'n') + ".mtd").c_str());
    const Riquadro lungo = Osserva([&] { t.m->Cmd_Click(4); });
    EXPECT_TRUE(lungo.testo.startsWith(QStringLiteral("impossibile scrivere ")))
        << ui::S(lungo.testo);
    EXPECT_TRUE(lungo.testo.endsWith(QStringLiteral(": nome del file troppo lungo")))
        << ui::S(lungo.testo);
    EXPECT_TRUE(schermo.contains(lungo.cornice));
    for (const QString& riga :
         {QString(10000, u'x'), QStringLiteral("campo fuori intervallo ").repeated(435)}) {
      const Riquadro r = Osserva([&] {
        ui::Msg(t.m, QStringList(10, riga).join(QStringLiteral("\r\n")), ui::Icona::Critica);
      });
      EXPECT_TRUE(schermo.contains(r.cornice)) << r.cornice.width() << "x" << r.cornice.height();
    }
  }
}

// A window that cannot open says so at once, over the main window; a notice of an open window
// stands over that window.
TEST(RiquadriCheEntrano, RefusalOverTheMainWindowNoticeOverItsWindow) {
  RICHIEDE_SCHERMO("1366x768");
  for (const bool cartella : {false, true}) {
    SCOPED_TRACE(cartella ? "a folder in the table's place" : "no table");
    prova::ProgrammaDiProva p(prova::Sintetiche(10));
    prova::DialoghiVeri veri(true);
    if (cartella) fs::create_directory(p.stato.CartellaProgramma / "TabFnum.txt");
    MDIForm1& m = p.principale();
    const QRect principale = SulloSchermo(m, Schermo("1366x768"));
    const Riquadro rifiuto = Osserva([&] { m.MnuStatTab_Click(); });
    EXPECT_EQ(rifiuto.padre, &m);
    EXPECT_LT(rifiuto.ms, 1000);
    EXPECT_LE((rifiuto.cornice.center() - principale.center()).manhattanLength(), 4);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m.finestre().trova<TabForm>(), nullptr);
    EXPECT_TRUE(m.finestre().aperte().isEmpty());

    const Riquadro avviso = Osserva([&] {
      m.MnuStatAnaNum_Click();
      QTest::qWait(50);
    });
    const auto* analisi = m.finestre().trova<StatRicerca>();
    ASSERT_NE(analisi, nullptr);
    const QRect finestra(analisi->parentWidget()->mapToGlobal(QPoint(0, 0)),
                         analisi->parentWidget()->size());
    EXPECT_LE((avviso.cornice.center() - finestra.center()).manhattanLength(), 4)
        << finestra.center().x() << "," << finestra.center().y();
  }
}
