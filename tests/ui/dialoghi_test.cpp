// The real Qt boxes and dialogs: closing a tool window while one of its
// boxes runs (under the sanitizers, the box ends first, its handler returns
// to a living window and the window closes afterwards), and Qt's own texts
// in Italian, the file dialogs' columns too.
#include "ui/Sessione.h"

#include <gtest/gtest.h>
#include <utime.h>

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "methods/tester_di_prova.h"

namespace {

// The Qt message boxes and dialogs in place of the scripted ones, for the
// length of a test.
class DialoghiVeri {
 public:
  DialoghiVeri() : mPrima(ui::servizi()) {
    ui::installaServiziQt(mPrima.titolo, mPrima.cartellaProgramma);
    ui::Servizi misti = mPrima;
    misti.dialoghi = ui::servizi().dialoghi;
    ui::installaServizi(misti);
  }
  ~DialoghiVeri() { ui::installaServizi(mPrima); }

 private:
  ui::Servizi mPrima;
};

template <class W>
W* Aperta() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<W*>(w); d && d->isVisible()) return d;
  return nullptr;
}

bool FinestraModaleAperta() { return Aperta<QDialog>(); }

// The CPU time of the whole process so far, in milliseconds.
double MsDiCpu() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

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
  for (const bool salva : {true, false}) {
    SCOPED_TRACE(salva ? "save" : "open");
    QStringList pulsanti;
    QTimer::singleShot(0, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* d = qobject_cast<QFileDialog*>(w);
        if (!d || !d->isVisible()) continue;
        for (QAbstractButton* b : d->findChild<QDialogButtonBox*>()->buttons()) pulsanti << b->text().remove(u'&');
        d->reject();
      }
    });
    const ui::DialogoFile f{QString(), QStringLiteral("File di Output (*.txt)|*.txt"), QStringLiteral("txt"),
                            QString(), QString()};
    const QString scelto = salva ? ui::servizi().dialoghi->salva(t.m, f) : ui::servizi().dialoghi->apri(t.m, f);
    EXPECT_TRUE(scelto.isEmpty());
    pulsanti.sort();
    EXPECT_EQ(pulsanti, QStringList({QStringLiteral("Annulla"), salva ? QStringLiteral("Salva") : QStringLiteral("Apri")}));
  }
}

// The overwrite question that the save dialog opens inside itself ends with
// it, and the window closes without the event loop spinning meanwhile.
TEST(SessioniModali, AToolClosedUnderTheSaveDialogsQuestionClosesWithoutBusyWaiting) {
  for (const bool chiudiTutte : {true, false}) {
    SCOPED_TRACE(chiudiTutte ? "Chiudi Tutte" : "the frame's close");
    prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
    DialoghiVeri veri;
    t.Scrivi("uscita.txt", "x");
    QPointer<Metodi> m = t.m;
    bool domandaAperta = false;
    double cpu = 0;
    QElapsedTimer orologio;
    QTimer::singleShot(0, [&] {
      QFileDialog* d = Aperta<QFileDialog>();
      QTimer::singleShot(0, d, [&] {  // within the question's loop
        auto* domanda = Aperta<QMessageBox>();
        domandaAperta = domanda && domanda->parentWidget() == d;
        cpu = MsDiCpu();
        orologio.start();
        if (chiudiTutte)
          t.p.principale().MnuFinestraChiudi_Click();
        else
          qobject_cast<QMdiSubWindow*>(m->parentWidget())->close();
        if (domanda) QTimer::singleShot(500, domanda, &QMessageBox::reject);  // should it stay
      });
      static_cast<QDialog*>(d)->accept();  // "uscita.txt" exists: the question
    });
    const ui::DialogoFile f{QString(), QStringLiteral("File di Output (*.txt)|*.txt"),
                            QStringLiteral("txt"), QStringLiteral("uscita.txt"),
                            ui::Q(t.p.cartella.percorso().string())};
    EXPECT_TRUE(ui::servizi().dialoghi->salva(m, f).isEmpty());
    QTest::qWait(600 - orologio.elapsed());
    cpu = MsDiCpu() - cpu;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(domandaAperta);
    EXPECT_FALSE(m);
    EXPECT_FALSE(FinestraModaleAperta());
    EXPECT_LT(cpu, 150.0) << "CPU milliseconds in 600 ms";
    EXPECT_EQ(t.Leggi("uscita.txt"), "x");
  }
}

// The size and date columns in Italian although the tests run under
// LC_ALL=C.UTF-8, and a folder's type in Italian too.
TEST(DialoghiQt, FileDialogColumnsSpeakItalianWhateverTheSystemLocale) {
  prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
  DialoghiVeri veri;
  const std::filesystem::path cartella = t.p.cartella.percorso() / "colonne";
  std::filesystem::create_directories(cartella / "sotto");
  std::ofstream(cartella / "vuoto.txt").close();
  const utimbuf quando{0, QDateTime(QDate(2026, 12, 7), QTime(12, 33, 4)).toSecsSinceEpoch()};
  for (const char* nome : {"sotto", "vuoto.txt"})
    ASSERT_EQ(utime((cartella / nome).c_str(), &quando), 0);
  QStringList righe;
  QTimer::singleShot(0, [&] {
    QFileDialog* d = Aperta<QFileDialog>();
    const QTreeView* vista = d->findChild<QTreeView*>(QStringLiteral("treeView"));
    const QAbstractItemModel* modello = vista->model();
    const auto testo = [&](int r, int c) {
      return modello->index(r, c, vista->rootIndex()).data().toString();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] {
      return modello->rowCount(vista->rootIndex()) == 2 && !testo(0, 2).isEmpty() &&
             !testo(1, 2).isEmpty();
    }));
    // A file's type comes from the system's MIME descriptions: not compared.
    for (int r = 0; r < modello->rowCount(vista->rootIndex()); ++r)
      righe << QStringList{testo(r, 0), testo(r, 1),
                           testo(r, 1).isEmpty() ? testo(r, 2) : QString(), testo(r, 3)}
                   .join(u'|');
    righe.sort();
    d->reject();
  });
  const ui::DialogoFile f{QString(), QStringLiteral("Tutti i file (*)|*"), QString(), QString(),
                          ui::Q(cartella.string())};
  EXPECT_TRUE(ui::servizi().dialoghi->apri(t.m, f).isEmpty());
  EXPECT_EQ(righe.join(u'\n').toStdString(),
            "sotto||Cartella|07/12/26 12:33\nvuoto.txt|0 byte||07/12/26 12:33");
}
