// The real Qt boxes and dialogs: closing a tool window while one of its
// boxes runs (under the sanitizers, the box ends first, its handler returns
// to a living window and the window closes afterwards), and Qt's own texts
// in Italian.
#include <gtest/gtest.h>
#include <unistd.h>
#include <utime.h>

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "boards/ExtraRuota.h"
#include "forecast/Spia.h"
#include "methods/tester_di_prova.h"
#include "ui/Sessione.h"
#include "ui/dialoghi_veri.h"
#include "ui/osservatore.h"

namespace {

using prova::DialoghiVeri;

template <class W>
W* Aperta() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<W*>(w); d && d->isVisible()) return d;
  return nullptr;
}

bool FinestraModaleAperta() { return Aperta<QDialog>(); }

struct Caso {
  const char* nome;
  void (Metodi::*gestore)();
  bool chiudiTutte;  // "Chiudi Tutte" of the main window, else the window's own frame
};

}  // namespace

TEST(SessioniModali, AToolClosedWhileItsBoxIsOpenClosesAfterTheBoxHasReturned) {
  const Caso casi[] = {
      {"question, Chiudi Tutte", &Metodi::Command2_Click, true},
      {"question, the frame's close", &Metodi::Command2_Click, false},
      {"number picker, Chiudi Tutte", &Metodi::tastogriglia_Click, true},
      {"number picker, the frame's close", &Metodi::tastogriglia_Click, false},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
    DialoghiVeri veri;
    QPointer<Metodi> m = t.m;
    ASSERT_TRUE(m);
    m->ListCalcoli->addItem(QStringLiteral("1°BA"));
    bool boxAperto = false;
    QTimer::singleShot(0, [&] {
      boxAperto = FinestraModaleAperta() && ui::Sessione::Aperte(m);
      if (c.chiudiTutte)
        t.p.principale().MnuFinestraChiudi_Click();
      else
        qobject_cast<QMdiSubWindow*>(m->parentWidget())->close();
    });
    (m->*c.gestore)();
    EXPECT_TRUE(boxAperto);
    // The handler returned to its window, which is still there and unchanged:
    // an ended box answers as its escape button.
    ASSERT_TRUE(m);
    EXPECT_EQ(m->ListCalcoli->count(), 1);
    EXPECT_FALSE(ui::Sessione::Aperte(m));
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(m);
    EXPECT_FALSE(FinestraModaleAperta());
    EXPECT_TRUE(t.p.principale().finestre().aperte().isEmpty());
  }
}

TEST(DialoghiQt, SaveAndOpenDialogsSpeakItalian) {
  prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
  DialoghiVeri veri;
  // The columns too, although the tests run under LC_ALL=C.UTF-8.
  const std::filesystem::path cartella = t.p.cartella.percorso() / "colonne";
  std::filesystem::create_directories(cartella / "sotto");
  std::ofstream(cartella / "vuoto.txt").close();
  const utimbuf quando{0, QDateTime(QDate(2026, 12, 7), QTime(12, 33, 4)).toSecsSinceEpoch()};
  for (const char* nome : {"sotto", "vuoto.txt"}) utime((cartella / nome).c_str(), &quando);
  for (const bool salva : {true, false}) {
    SCOPED_TRACE(salva ? "save" : "open");
    QStringList pulsanti;
    QString colonne;
    QTimer::singleShot(0, [&] {
      QFileDialog* d = Aperta<QFileDialog>();
      for (QAbstractButton* b : d->findChild<QDialogButtonBox*>()->buttons())
        pulsanti << b->text().remove(u'&');
      const QTreeView* vista = d->findChild<QTreeView*>(QStringLiteral("treeView"));
      const auto testo = [vista](int r, int c) {
        return vista->model()->index(r, c, vista->rootIndex()).data().toString();
      };
      // The folder first, once both types are known; a file's type comes
      // from the system's MIME descriptions.
      (void)QTest::qWaitFor([&] {
        return testo(0, 0) == "sotto" && !testo(0, 2).isEmpty() && !testo(1, 2).isEmpty();
      });
      colonne =
          QStringList{testo(0, 1), testo(0, 2), testo(0, 3), testo(1, 1), testo(1, 3)}.join(u'|');
      d->reject();
    });
    const ui::DialogoFile f{QString(), QStringLiteral("File di Output (*.txt)|*.txt"),
                            QStringLiteral("txt"), QString(), ui::Q(cartella.string())};
    const QString scelto = salva ? ui::servizi().dialoghi->salva(t.m, f) : ui::servizi().dialoghi->apri(t.m, f);
    EXPECT_TRUE(scelto.isEmpty());
    pulsanti.sort();
    EXPECT_EQ(pulsanti, QStringList({QStringLiteral("Annulla"), salva ? QStringLiteral("Salva") : QStringLiteral("Apri")}));
    EXPECT_EQ(colonne.toStdString(), "|Cartella|07/12/26 12:33|0 byte|07/12/26 12:33");
  }
}

TEST(DialoghiQt, ABoxNeverOutgrowsTheScreen) {
  prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
  DialoghiVeri veri;
  // Eleven lines of 10,000 characters without a blank, then of 820 with blanks.
  for (const QString& riga :
       {QString(10000, u'x'), QStringLiteral("campo fuori intervallo ").repeated(36)}) {
    QRect box, schermo;
    QTimer::singleShot(0, [&] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) {
          box = b->frameGeometry();
          schermo = b->screen()->availableGeometry();
          b->reject();
        }
    });
    ui::Msg(t.m, QStringList(11, riga).join(QStringLiteral("\r\n")), ui::Icona::Critica);
    ASSERT_TRUE(box.isValid());
    EXPECT_LE(box.width(), schermo.width());
    EXPECT_LE(box.height(), schermo.height());
  }
}

// The save dialog's own overwrite question ends with the dialog, and the
// window closes without the event loop spinning meanwhile.
TEST(SessioniModali, AToolClosedUnderTheSaveDialogsQuestionClosesWithoutBusyWaiting) {
  prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
  DialoghiVeri veri;
  t.Scrivi("uscita.txt", "x");
  QPointer<Metodi> m = t.m;
  bool domandaAperta = false;
  timespec cpu[2]{};
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] {  // within the question's loop
      QMessageBox* domanda = Aperta<QMessageBox>();
      domandaAperta = domanda;
      clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu[0]);
      t.p.principale().MnuFinestraChiudi_Click();
      if (domanda) QTimer::singleShot(500, domanda, &QMessageBox::reject);  // should it stay
    });
    static_cast<QDialog*>(Aperta<QFileDialog>())->accept();  // "uscita.txt" exists: the question
  });
  const ui::DialogoFile f{QString(), QStringLiteral("File di Output (*.txt)|*.txt"),
                          QStringLiteral("txt"), QStringLiteral("uscita.txt"),
                          ui::Q(t.p.cartella.percorso().string())};
  EXPECT_TRUE(ui::servizi().dialoghi->salva(m, f).isEmpty());
  QTest::qWait(600);
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu[1]);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(domandaAperta && !m && !FinestraModaleAperta() && t.Leggi("uscita.txt") == "x");
  const double ms = (cpu[1].tv_sec - cpu[0].tv_sec) * 1e3 + (cpu[1].tv_nsec - cpu[0].tv_nsec) / 1e6;
  EXPECT_LT(ms, 150.0) << "CPU milliseconds over 600 ms";
}

// A save dialog asked for no folder (the reports, a new tester) opens where
// these dialogs last were, at first in the data folder; when that folder is
// gone it says so before it opens above it, where another file of the
// proposed name must not be taken for the user's own. A dialog that only
// looked into a folder counts as having been there.
TEST(DialoghiQt, ADialogAskedForNoFolderSaysWhenTheFolderItLastShowedIsGone) {
  namespace fs = std::filesystem;
  prova::ProgrammaDiProva p(prova::Sintetiche(300));
  MDIForm1& m = p.principale();
  const fs::path dati = p.cartella.percorso(), chiavetta = dati / "M" / "chiavetta";
  fs::create_directories(chiavetta);
  m.MnuEstTabRuo_Click();
  ExtraRuota* tabella = m.finestre().trova<ExtraRuota>();
  m.MnuPrevSpia_Click();
  Spia* spia = m.finestre().trova<Spia>();
  spia->Cmd_Click(0);
  DialoghiVeri veri;
  const auto avviso = [&](const fs::path& dove) {
    return QStringList{QStringLiteral("La cartella «%1» non esiste più.\nIl file si può salvare in "
                                      "«%2» o in un'altra cartella.")
                           .arg(ui::Q(dove.string()), ui::Q(dove.parent_path().string()))};
  };
  const struct {
    const char* nome;
    std::function<void()> salva;
  } casi[] = {{"EstraRuota.txt", [&] { tabella->CmdSalva_Click(); }},
              {"Numeri Spia.txt", [&] { spia->Cmd_Click(3); }}};
  {
    prova::Osservatore o;
    casi[0].salva();
    EXPECT_EQ(o.cartella, ui::Q(dati.string()));
    EXPECT_EQ(o.riquadri, QStringList());
  }
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    ASSERT_TRUE(file::ScriviAtomico(dati / "M" / c.nome, std::string_view("mio")));
    {
      prova::Osservatore o(true);
      o.vai = ui::Q(chiavetta.string());
      c.salva();
    }
    EXPECT_TRUE(fs::exists(chiavetta / c.nome));
    fs::rename(chiavetta, dati / "staccata");
    prova::Osservatore o;
    c.salva();
    EXPECT_EQ(o.riquadri, avviso(chiavetta));
    EXPECT_EQ(o.cartella, ui::Q((dati / "M").string()));
    EXPECT_EQ(o.proposto, QString::fromUtf8(c.nome));
    EXPECT_EQ(prova::Testo(dati / "M" / c.nome), "mio");
    fs::rename(dati / "staccata", chiavetta);
  }
  {
    prova::Osservatore o;
    o.vai = ui::Q(chiavetta.string());
    casi[1].salva();
  }
  fs::rename(chiavetta, dati / "staccata");
  m.mnuPrevMetodiT_Click();
  Metodi* tester = m.finestre().trova<Metodi>();
  tester->CheckRuota[1]->setChecked(true);
  tester->ListPro->addItem(QStringLiteral("M  1M  2°CA+7"));
  ASSERT_TRUE(file::ScriviAtomico(dati / "M" / "Metodo.mtd", std::string_view("mio")));
  {
    prova::Osservatore o;
    tester->Cmd_Click(4);
    EXPECT_EQ(o.riquadri, avviso(chiavetta));
    EXPECT_EQ(o.cartella, ui::Q((dati / "M").string()));
    EXPECT_EQ(o.proposto, QStringLiteral("Metodo.mtd"));
  }
  EXPECT_EQ(prova::Testo(dati / "M" / "Metodo.mtd"), "mio");

  // A folder that is there but cannot be entered is named as such: one
  // behind a loop of links and, where permissions bind, one behind a folder
  // without them.
  fs::create_symlink("ciclo", dati / "ciclo");
  std::vector<fs::path> chiuse = {dati / "ciclo" / "sotto"};
  if (::geteuid() != 0) {
    fs::create_directories(dati / "chiusa" / "sotto");
    fs::permissions(dati / "chiusa", fs::perms::none);
    chiuse.push_back(dati / "chiusa" / "sotto");
  }
  for (const fs::path& chiusa : chiuse) {
    SCOPED_TRACE(chiusa);
    prova::Osservatore o;
    ui::servizi().dialoghi->salva(
        tester, {QString(), QString(), QString(), QString(), ui::Q(chiusa.string())});
    EXPECT_EQ(o.riquadri, QStringList{QStringLiteral("La cartella «%1» non è accessibile.\nIl file "
                                                     "si può salvare in «%2» o in un'altra cartella.")
                                          .arg(ui::Q(chiusa.string()), ui::Q(dati.string()))});
    EXPECT_EQ(o.cartella, ui::Q(dati.string()));
  }
  if (fs::exists(dati / "chiusa")) fs::permissions(dati / "chiusa", fs::perms::owner_all);
}

// The dialogs remember a folder only when the user chose it: the folder of a
// file accepted, or one a cancelled dialog was moved to. Where a dialog fell
// back from a folder that is gone, the folder meant stays remembered: the
// next save says again that it is gone, or opens there once it is back. A
// folder that goes while its box is up gets a box of its own.
TEST(DialoghiQt, TheDialogsRememberOnlyTheFoldersTheUserChose) {
  namespace fs = std::filesystem;
  prova::ProgrammaDiProva p(prova::Sintetiche(300));
  MDIForm1& m = p.principale();
  const fs::path dati = p.cartella.percorso(), cartellaM = dati / "M", chiavetta = cartellaM / "chiavetta";
  fs::create_directories(chiavetta);
  ASSERT_TRUE(file::ScriviAtomico(cartellaM / "EstraRuota.txt", std::string_view("mio")));
  m.MnuEstTabRuo_Click();
  ExtraRuota* tabella = m.finestre().trova<ExtraRuota>();
  m.mnuPrevMetodiT_Click();
  Metodi* tester = m.finestre().trova<Metodi>();
  DialoghiVeri veri;
  {
    prova::Osservatore o(true);
    o.vai = ui::Q(chiavetta.string());
    tabella->CmdSalva_Click();
  }
  ASSERT_TRUE(fs::exists(chiavetta / "EstraRuota.txt"));
  const auto Q = [](const fs::path& c) { return ui::Q(c.string()); };
  const auto avviso = [&](const fs::path& dove) {
    return QStringLiteral("La cartella «%1» non esiste più.\nIl file si può salvare in «%2» o in "
                          "un'altra cartella.")
        .arg(Q(dove), Q(dove.parent_path()));
  };
  // "Apri Metodo" with the stick out opens above it, without a word, and is
  // cancelled there.
  const auto apriSenzaChiavetta = [&] {
    fs::rename(chiavetta, dati / "staccata");
    prova::Osservatore o;
    tester->Cmd_Click(5);
    EXPECT_EQ(o.riquadri, QStringList());
    EXPECT_EQ(o.cartella, Q(cartellaM));
  };
  {
    SCOPED_TRACE("la chiavetta di nuovo inserita");
    apriSenzaChiavetta();
    fs::rename(dati / "staccata", chiavetta);
    prova::Osservatore o;
    tabella->CmdSalva_Click();
    EXPECT_EQ(o.riquadri, QStringList());
    EXPECT_EQ(o.cartella, Q(chiavetta));
  }
  {
    SCOPED_TRACE("la chiavetta ancora fuori");
    apriSenzaChiavetta();
    prova::Osservatore o;
    tabella->CmdSalva_Click();
    EXPECT_EQ(o.riquadri, QStringList{avviso(chiavetta)});
    EXPECT_EQ(o.cartella, Q(cartellaM));
    EXPECT_EQ(o.proposto, QStringLiteral("EstraRuota.txt"));
  }
  {
    SCOPED_TRACE("la cartella del riquadro tolta mentre è aperto");
    prova::Osservatore o;
    o.aiRiquadri = [&] {
      if (fs::exists(cartellaM)) fs::rename(cartellaM, dati / "via");
    };
    tabella->CmdSalva_Click();
    EXPECT_EQ(o.riquadri, (QStringList{avviso(chiavetta), avviso(cartellaM)}));
    EXPECT_EQ(o.cartella, Q(dati));
    fs::rename(dati / "via", cartellaM);
  }
  EXPECT_EQ(prova::Testo(cartellaM / "EstraRuota.txt"), "mio");
  {
    SCOPED_TRACE("una cartella raggiunta in un dialogo annullato");
    fs::rename(dati / "staccata", chiavetta);
    fs::create_directory(dati / "altrove");
    {
      prova::Osservatore o;
      o.vai = Q(dati / "altrove");
      tabella->CmdSalva_Click();
      EXPECT_EQ(o.cartella, Q(chiavetta));
    }
    prova::Osservatore o;
    tester->Cmd_Click(5);
    EXPECT_EQ(o.riquadri, QStringList());
    EXPECT_EQ(o.cartella, Q(dati / "altrove"));
  }
}
