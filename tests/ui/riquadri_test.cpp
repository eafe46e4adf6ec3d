// The real message boxes: what comes from a file is shown as written, a box
// keeps its words on the screens users have (the test screens: 800×600, the
// primary, 1024×600 and 1366×768), and a box stands over the window it speaks
// for.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QAccessible>
#include <QCursor>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QtMath>
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

namespace fs = std::filesystem;
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

// One of the test screens that main_test.cpp gives the offscreen platform;
// null on a platform without it (a real display).
QScreen* Schermo(const char* nome) {
  for (QScreen* s : QGuiApplication::screens())
    if (s->name() == QLatin1String(nome)) return s;
  return nullptr;
}

// Skips the test when the platform lacks the test screen: there is nothing
// to measure against.
#define RICHIEDE_SCHERMO(nome)                                     \
  do {                                                             \
    if (!Schermo(nome)) GTEST_SKIP() << "no test screen " << nome; \
  } while (0)

// The main window filling a screen (a test screen: RICHIEDE_SCHERMO).
QRect SulloSchermo(QWidget& principale, QScreen* s) {
  principale.setScreen(s);
  principale.setGeometry(s->availableGeometry());
  QTest::qWait(1);
  return s->availableGeometry();
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

// The tooltip Qt shows: the text its label paints, the name a screen reader
// reads for it, the label itself and the point it was shown for.
struct Suggerimento {
  QString mostrato = QStringLiteral("<nessun suggerimento>");
  QString letto;
  QLabel* etichetta = nullptr;
  QPoint punto;
};

Suggerimento SuggerimentoMostrato(const QPoint& punto) {
  QCoreApplication::sendPostedEvents();  // as before it is painted
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* e = qobject_cast<QLabel*>(w);
    if (!e || e->objectName() != QLatin1String("qtooltip_label") || !e->isVisible()) continue;
    QString mostrato = e->text();
    if (e->textFormat() == Qt::RichText ||
        (e->textFormat() == Qt::AutoText && Qt::mightBeRichText(mostrato))) {
      QTextDocument documento;
      documento.setHtml(mostrato);
      mostrato = documento.toPlainText();
    }
    return {mostrato, QAccessible::queryAccessibleInterface(e)->text(QAccessible::Name), e, punto};
  }
  return {};
}

// The tooltip over a line of a list.
Suggerimento SuggerimentoSopra(QListWidget* lista, int riga) {
  QWidget* v = lista->viewport();
  const QPoint punto = lista->visualItemRect(lista->item(riga)).center();
  QMouseEvent mossa(QEvent::MouseMove, punto, v->mapToGlobal(punto), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(v, &mossa);
  QHelpEvent aiuto(QEvent::ToolTip, punto, v->mapToGlobal(punto));
  QApplication::sendEvent(v, &aiuto);
  return SuggerimentoMostrato(v->mapToGlobal(punto));
}

// Moves the window that holds `lista` so that the centre of its line `riga`
// lies at `punto` on the screen.
void PortaRigaA(QListWidget* lista, int riga, const QPoint& punto) {
  QWidget* finestra = lista;
  while (!qobject_cast<QMdiSubWindow*>(finestra)) finestra = finestra->parentWidget();
  const QRect r = lista->visualItemRect(lista->item(riga));
  finestra->move(finestra->pos() + punto - lista->viewport()->mapToGlobal(r.center()));
}

// Records the text a widget paints: each run, its extent, font and colour.
class TestoDipinto : public QPaintDevice, public QPaintEngine {
 public:
  TestoDipinto(QSize misura, int dpi) : QPaintEngine(AllFeatures), mMisura(misura), mDpi(dpi) {}
  struct Pezzo {
    QString testo;
    QRectF dove;
    QFont font;
    QColor tinta;
  };
  QList<Pezzo> pezzi;
  QPaintEngine* paintEngine() const override { return const_cast<TestoDipinto*>(this); }
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState& stato) override {
    if (stato.state() & DirtyTransform) mVerso = stato.transform();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPath(const QPainterPath&) override {}
  void drawTextItem(const QPointF& p, const QTextItem& t) override {
    const QRectF dove(p.x(), p.y() - t.ascent(), t.width(), t.ascent() + t.descent());
    pezzi.append({t.text(), mVerso.mapRect(dove), t.font(), painter()->pen().color()});
  }
  Type type() const override { return User; }

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth: return mMisura.width();
      case PdmHeight: return mMisura.height();
      case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return mDpi;
      case PdmWidthMM: return mMisura.width() * 254 / (10 * mDpi);
      case PdmHeightMM: return mMisura.height() * 254 / (10 * mDpi);
      case PdmDepth: return 32;
      case PdmNumColors: return INT_MAX;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
      default: return 0;
    }
  }

 private:
  QSize mMisura;
  int mDpi;
  QTransform mVerso;
};

// Checks a tip that shows `riga` on `schermo` as the user sees it: its window,
// frame included, on the screen, below or above the point it was shown for and
// never over it (Qt hides a tip at once that comes under the pointer); the line
// painted on one line where it is narrower than the tip or, wider than the
// screen, wrapped into lines as full as the screen's width allows (short of it
// by the word carried to the next line at most), each whole inside the tip,
// every character of the text painted in order. Where the lines fit on neither
// side of the point, the tip takes the roomier side and shows the first lines,
// as many as that side holds, the last ending in "…", painted as the rest.
// Returns whether the tip left text out below the point.
bool ControllaSuggerimento(const Suggerimento& s, const QString& riga, const QRect& schermo) {
  QLabel* e = s.etichetta;
  const QRect cornice = e->frameGeometry();
  const bool sotto = cornice.top() > s.punto.y();
  EXPECT_TRUE(schermo.contains(cornice) && (sotto || cornice.bottom() < s.punto.y()))
      << ui::S(QDebug::toString(cornice)) << " per " << ui::S(QDebug::toString(s.punto));
  const QFontMetrics fm = e->fontMetrics();
  const int m = e->margin();
  const QRect area = e->contentsRect().adjusted(m, m, -m, -m);
  TestoDipinto dipinto(e->size(), e->logicalDpiY());
  e->render(&dipinto);
  QMap<qreal, QString> righe;  // by their top
  for (const auto& [testo, dove, font, tinta] : dipinto.pezzi) {
    EXPECT_TRUE(font == dipinto.pezzi[0].font && tinta == dipinto.pezzi[0].tinta) << ui::S(testo);
    // The blanks that end a line may hang past its edge, as in any text; the
    // pixel Qt gives a tip beside its text stays free.
    qsizetype fine = testo.size();
    while (fine > 0 && testo[fine - 1] == u' ') --fine;
    const QRectF inchiostro = dove.adjusted(0, 0, -fm.horizontalAdvance(testo.mid(fine)), 0);
    EXPECT_TRUE(QRectF(area).adjusted(0, 0, -1, 0).contains(inchiostro))
        << ui::S(testo) << ui::S(QDebug::toString(inchiostro));
    righe[dove.top()] += testo;
  }
  const QString dipinte = QStringList(righe.values()).join(QString()).remove(u' ');
  const QString tutte = QString(riga).remove(u' ');
  const bool tagliato = dipinte != tutte;
  EXPECT_EQ(dipinte.endsWith(u'…'), tagliato) << ui::S(dipinte.right(20));
  EXPECT_TRUE(!dipinte.isEmpty() && tutte.startsWith(tagliato ? dipinte.chopped(1) : dipinte))
      << ui::S(dipinte);
  const int testo = fm.horizontalAdvance(riga);
  if (testo < area.width()) {
    EXPECT_EQ(righe.size(), 1);
    EXPECT_EQ(dipinte, tutte);
    return false;
  }
  const int larghezza = schermo.width() - (cornice.width() - area.width());
  int parola = 0;
  for (const QString& p : riga.split(u' '))
    if (fm.horizontalAdvance(p) < larghezza) parola = std::max(parola, fm.horizontalAdvance(p));
  const int piena = larghezza - parola - fm.maxWidth();
  EXPECT_GE(area.width(), piena);
  EXPECT_LE(righe.size(), (testo + piena - 1) / piena);
  // The lines the roomier side of the point holds (Qt places a tip 16 pixels
  // below the point or 8 above it).
  const int bordi = cornice.height() - area.height();
  const int giu = schermo.bottom() + 1 - s.punto.y() - 16 - bordi;
  const int su = s.punto.y() - 8 - schermo.top() - bordi;
  const int stanno = std::max(giu, su) / qCeil(QFontMetricsF(e->font(), e).lineSpacing());
  if (tagliato) {
    EXPECT_EQ(righe.size(), stanno);
    EXPECT_EQ(sotto, giu >= su);
  }
  return tagliato && sotto;
}

}  // namespace

// Pointing at a line of the tester's lists or of the formations analysed
// shows the line as written, on one line unless it is wider than the screen
// (whatever Qt guesses of markup in it), and a screen reader reads it so. A
// line wider than the screen, with blanks or none, is wrapped at the screen's
// width; the tip lies on its screen, wherever the pointer is.
TEST(TestoComeScritto, TooltipsOfLinesShowThemAsWritten) {
  prova::TesterAperto<Metodi> t(&MDIForm1::mnuPrevMetodiT_Click);
  t.p.principale().MnuStatAnaNum_Click();
  auto* analisi = t.p.principale().finestre().trova<StatRicerca>();
  ASSERT_NE(analisi, nullptr);
  // On a screen that holds the whole main window, where there is one.
  if (QScreen* s = Schermo("1366x768")) SulloSchermo(t.p.principale(), s);
  const QString lunga = QStringLiteral("M  1M  1°BA+5 & 2°CA+17 <b>").repeated(40);
  const QStringList righe{QStringLiteral("M  1M  1°BA+5 & 2°CA+17"), QStringLiteral("1.2.3"),
                          QStringLiteral("<b>grassetto</b>"), QStringLiteral("a&lt;b"),
                          QStringLiteral("<img src=zz>"),
                          QStringLiteral("M  1M  1°BA+5 & 2°CA+17 <b>grassetto</b>"),
                          QStringLiteral("M  1M  1°BA+5 &lt; 3°FI+2 & 4°NA+11"),
                          QStringLiteral("MA  1M  1°BA+5,3°NA-12 <img src=zz>"), lunga};
  for (QListWidget* lista : {t.m->ListPro, t.m->ListRit, analisi->ListFormazioni}) {
    SCOPED_TRACE(ui::S(lista->objectName()));
    lista->clear();
    lista->addItems(righe);
    for (int r = 0; r < righe.size(); ++r) {
      SCOPED_TRACE(r);
      const Suggerimento s = SuggerimentoSopra(lista, r);
      EXPECT_EQ(s.mostrato, righe[r]);
      EXPECT_EQ(s.letto, righe[r]);
      if (!s.etichetta) continue;
      const QScreen* schermo = QGuiApplication::screenAt(s.etichetta->geometry().center());
      ASSERT_NE(schermo, nullptr);
      ControllaSuggerimento(s, righe[r], schermo->geometry());
    }
    QToolTip::hideText();
  }

  // Method elements of 40, 90 and 280 terms and one of 4,000 characters,
  // formations with no blank, a line with blanks just wider than the screen,
  // two formations each wider than half of it, a line Qt guesses is markup
  // and one taller than the screen once wrapped, at the middle of the screen,
  // its lower right corner and 12, 60 and 230 pixels above its bottom, where
  // a tip that went over the pointer hid at once, and 230 below its top, where
  // one too tall for either side has more room below; the elements also at 24
  // and 48 points; on the test screens, else on those the platform has. Each
  // is shown by a call for the pointer, over the formations analysed (the
  // pointer elsewhere) and over a method tester's list (the pointer there,
  // each tip shown again over the last). The first tip, Qt's size of which
  // reaches past the screen, reuses the one still shown above on another
  // screen (hideText hides it after a moment).
  auto fila = [](int quanti, const char* formato, QChar separatore) {
    QStringList numeri;
    for (int n = 1; n <= quanti; ++n) numeri << QString::asprintf(formato, n, n % 11 - 5);
    return numeri.join(separatore);
  };
  QList<QScreen*> schermi{Schermo("1024x600"), Schermo("1366x768")};
  schermi.removeAll(nullptr);
  if (schermi.isEmpty()) schermi = QGuiApplication::screens();
  int tagliatiSotto = 0;
  const QFont solito = QToolTip::font();
  for (const int punti : {0, 24, 48}) {
    QFont carattere = solito;
    if (punti) carattere.setPointSize(punti);
    QToolTip::setFont(carattere);
    const QFontMetrics fm(carattere);
    for (QScreen* quale : schermi) {
      SCOPED_TRACE(ui::S(quale->name()) + ", " + std::to_string(punti) + " punti");
      SulloSchermo(t.p.principale(), quale);
      const QRect schermo = quale->geometry();
      QString appenaPiuLarga = QStringLiteral("M  1M");
      while (fm.horizontalAdvance(appenaPiuLarga) <= schermo.width())
        appenaPiuLarga += QStringLiteral(" 1°BA+5 &");
      int quanti = 1;
      while (fm.horizontalAdvance(fila(quanti, "%d", u'.')) < schermo.width() * 3 / 5) ++quanti;
      const QString dueFormazioni = fila(quanti, "%d", u'.') + u' ' + fila(quanti, "%d", u'.');
      QString piuAlta = QStringLiteral("M  ");
      while (fm.horizontalAdvance(piuAlta) / schermo.width() * fm.lineSpacing() <= schermo.height())
        piuAlta += fila(90, "%d°NA%+d", u'&');
      QStringList lunghe{QStringLiteral("M  ") + fila(40, "%d°NA%+d", u'&'),
                         QStringLiteral("M  ") + fila(90, "%d°NA%+d", u'&'),
                         QStringLiteral("M  ") + fila(280, "%d°NA%+d", u'&'),
                         (QStringLiteral("M  ") + fila(500, "%d°NA%+d", u'&')).left(4000),
                         fila(61, "%02d", u'.'),
                         fila(90, "%d", u'.'),
                         QStringLiteral("MA  1M  ") + fila(24, "%d°BA%+d", u','),
                         appenaPiuLarga,
                         dueFormazioni,
                         QStringLiteral("M  1M  1°BA+5 & 2°CA+17 <b>").repeated(4),
                         piuAlta};
      // And one of random characters, which with some fonts breaks otherwise
      // where it is laid out again in the width it was measured to take.
      QRandomGenerator caso(606);
      const QString segni = QStringLiteral("0123456789.°&+-,MABCDEFGHINRTVZ ");
      QString casuale;
      for (int c = 0; c < 600; ++c) casuale += segni[caso.bounded(segni.size())];
      lunghe << casuale;
      if (punti) lunghe = lunghe.mid(0, 3);
      for (QListWidget* lista : {t.m->ListPro, analisi->ListFormazioni}) {
        lista->clear();
        lista->addItems(lunghe);
      }
      const int basso = schermo.bottom();
      for (const int modo : {0, 1, 2})
        for (const QPoint& punto : {schermo.center(), schermo.bottomRight() - QPoint(2, 2),
                                    QPoint(schermo.center().x(), basso - 12),
                                    QPoint(schermo.center().x(), basso - 60),
                                    QPoint(schermo.left() + 300, basso - 230),
                                    QPoint(schermo.right() - 300, schermo.top() + 230)})
          for (int r = 0; r < lunghe.size(); ++r) {
            SCOPED_TRACE(std::to_string(modo) + ", " + std::to_string(r) + ", " +
                         ui::S(QDebug::toString(punto)));
            QListWidget* lista = modo == 1 ? analisi->ListFormazioni : t.m->ListPro;
            PortaRigaA(lista, r, punto);
            QCursor::setPos(modo == 1 ? schermo.topLeft() : punto);
            if (modo == 0) QToolTip::showText(QCursor::pos(), lunghe[r]);
            const Suggerimento s =
                modo == 0 ? SuggerimentoMostrato(punto) : SuggerimentoSopra(lista, r);
            EXPECT_EQ(s.mostrato, lunghe[r]);
            EXPECT_EQ(s.letto, lunghe[r]);
            if (!s.etichetta) continue;
            tagliatiSotto += ControllaSuggerimento(s, lunghe[r], schermo);
            // Each formation whole on a line of its own.
            if (lunghe[r] == dueFormazioni) {
              EXPECT_LT(s.etichetta->width(), schermo.width() * 4 / 5);
            }
            if (modo < 2) s.etichetta->hide();  // the next tip is a new one, as after a pause
          }
    }
  }
  QToolTip::setFont(solito);
  EXPECT_GT(tagliatiSotto, 0);
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
