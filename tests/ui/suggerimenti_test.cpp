// Qt's tooltip as the user sees it: the lines of a method or a formation
// shown as written, whole or, where the screen cannot hold them, in the whole
// lines one side of the point holds and ending in "…", the tip on the screen
// and never under the pointer.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPaintEngine>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QtMath>

#include "methods/tester_di_prova.h"
#include "stats/StatRicerca.h"
#include "ui/Testo.h"
#include "ui/schermi.h"

using prova::Schermo;
using prova::SulloSchermo;

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

