#include "ui/Suggerimenti.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>
#include <optional>

namespace ui {
namespace {

// Gives Qt's tooltip, once its label is plain text, the size, the place and
// the lines of its text (Dimensiona, Dipingi).
class Suggerimenti : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    const QEvent::Type tipo = evento->type();
    // The point a tip is asked for, which the pointer may not be at.
    if (tipo == QEvent::ToolTip) mAiuto = static_cast<QHelpEvent*>(evento)->globalPos();
    if (tipo != QEvent::Resize && tipo != QEvent::Move && tipo != QEvent::Paint) return false;
    auto* l = qobject_cast<QLabel*>(oggetto);
    if (!l || l->textFormat() != Qt::PlainText ||
        l->objectName() != QLatin1String("qtooltip_label"))
      return false;
    if (tipo == QEvent::Paint) {
      Dipingi(l);
      return true;
    }
    // Dimensiona's own move and resize come back here, to be left as they are,
    // and so does what the window system reports of them later. Qt places a
    // new tip before it shows it, and sizes a tip shown again before it
    // places it: that one is sized once placed.
    if (mDimensiona || evento->spontaneous()) return false;
    if (tipo == QEvent::Resize && l->isVisible())
      PiuTardi(l);
    else
      Dimensiona(l);
    return false;
  }

 private:
  // Qt wraps a text it guesses might be markup into a narrow box although the
  // label shows it plain, lets a line wider than the screen run past the edge
  // where the line has no blank, and pushes a tip taller than the room below
  // the pointer over the pointer, where it hides at once. Here a tip gets the
  // size of its text, each line on one line or, wider than the screen,
  // wrapped at the screen's width (Disponi). As Qt places a tip, it lies
  // below the point it is shown for (16 pixels, past the pointer's arrow),
  // else above it (8 pixels) where it fits there; where it fits on neither
  // side it takes the side with more room and shows the whole lines that fit
  // there, the last ending in "…" (Taglia). Its window, frame included, lies
  // on the screen. The layout is kept for Dipingi until the tip's text, font
  // or size changes.
  // REQUIRES: the tip stands where Qt placed it for its size.
  void Dimensiona(QLabel* l) {
    if (mUltima.etichetta == l && mUltima.posto == l->geometry() && mUltima.testo == l->text() &&
        mUltima.font == l->font())
      return;
    const auto [punto, schermo] = Punto(l);
    // The frame a window manager may give the tip's window, its panel and
    // margins, and the extra pixel Qt gives a tip beside its text.
    const QRect finestra = l->geometry(), cornice = l->frameGeometry();
    const QMargins telaio(finestra.left() - cornice.left(), finestra.top() - cornice.top(),
                          cornice.right() - finestra.right(), cornice.bottom() - finestra.bottom());
    const QSize attorno = l->size() - AreaTesto(l).size() +
                          QSize(1 + telaio.left() + telaio.right(), telaio.top() + telaio.bottom());
    mUltima.etichetta = nullptr;
    QTextLayout& righe = mUltima.righe;
    const int larghezza = schermo.width() - attorno.width();
    Disponi(righe, Testo(l), l, larghezza);
    if (righe.lineCount() == 0) return;
    const int sotto = schermo.bottom() + 1 - std::max(punto.y() + 16, schermo.top());
    const int sopra = std::min(punto.y() - 8, schermo.bottom() + 1) - schermo.top();
    const int tutto = Fondo(righe, righe.lineCount() - 1) + attorno.height();
    const bool giu = tutto <= sotto || (tutto > sopra && sotto >= sopra);
    const int mostrate = Taglia(righe, l, larghezza, (giu ? sotto : sopra) - attorno.height());
    qreal largo = 0;
    for (int i = 0; i < mostrate; ++i) largo = std::max(largo, righe.lineAt(i).naturalTextWidth());
    const QSize misura = QSize(qCeil(largo), Fondo(righe, mostrate - 1)) + attorno;
    QRect r(QPoint(), misura.boundedTo(schermo.size()));
    // Across as Qt places a tip: right of the point, else left of it.
    int x = punto.x() + 2;
    if (x + r.width() > schermo.right() + 1) x -= 4 + r.width();
    const int y = giu ? std::max(punto.y() + 16, schermo.top())
                      : std::min(punto.y() - 8, schermo.bottom() + 1) - r.height();
    r.moveTo(std::clamp(x, schermo.left(), schermo.right() + 1 - r.width()),
             std::clamp(y, schermo.top(), schermo.bottom() + 1 - r.height()));
    mUltima.etichetta = l;
    mUltima.testo = l->text();
    mUltima.font = l->font();
    mUltima.posto = r.marginsRemoved(telaio);
    mUltima.mostrate = mostrate;
    const QScopedValueRollback dentro(mDimensiona, true);
    l->setGeometry(mUltima.posto);
  }

  // The point the tip is shown for and its screen: the last help event's
  // point or the pointer, whichever Qt placed the tip for; else the pointer,
  // on the screen Qt gave the tip.
  std::pair<QPoint, QRect> Punto(const QLabel* l) const {
    const QScreen* suo = l->screen();
    const QPoint cursore = QCursor::pos();
    for (const QPoint& c : {mAiuto.value_or(cursore), cursore}) {
      const QScreen* s = QGuiApplication::screenAt(c);
      if (!s) s = suo;
      if (s && PostoDiQt(c, l->size(), s->geometry()) == l->pos()) return {c, s->geometry()};
    }
    return {cursore, suo ? suo->geometry() : QRect(0, 0, 1 << 20, 1 << 20)};
  }

  // Where Qt puts a tip of `misura` shown for `punto` (QTipLabel::placeTip,
  // with the 16-pixel pointer Qt assumes).
  static QPoint PostoDiQt(QPoint punto, QSize misura, const QRect& schermo) {
    QPoint p = punto + (16 > 2 * misura.height() ? QPoint(8, 0) : QPoint(2, 16));
    if (p.x() + misura.width() > schermo.right() + 1) p.rx() -= 4 + misura.width();
    if (p.y() + misura.height() > schermo.bottom() + 1) p.ry() -= 24 + misura.height();
    p.setY(std::max(p.y(), schermo.top()));
    p.setX(std::max(std::min(p.x(), schermo.right() + 1 - misura.width()), schermo.left()));
    p.setY(std::min(p.y(), schermo.bottom() + 1 - misura.height()));
    return p;
  }

  // Paints the tip as Qt does, its panel then its text, in the lines that
  // Dimensiona measured: QLabel breaks a line only at a blank. A text that
  // changed with neither the tip's size nor its place is laid out in the tip
  // as it stands, and the tip sized once painted.
  void Dipingi(QLabel* l) {
    QStylePainter pittore(l);
    QStyleOptionFrame pannello;
    pannello.initFrom(l);
    pittore.drawPrimitive(QStyle::PE_PanelTipLabel, pannello);
    const QRect area = AreaTesto(l);
    pittore.setPen(l->palette().color(l->foregroundRole()));
    if (mUltima.etichetta == l && mUltima.testo == l->text() && mUltima.font == l->font()) {
      for (int i = 0; i < mUltima.mostrate; ++i)
        mUltima.righe.lineAt(i).draw(&pittore, area.topLeft());
      return;
    }
    QTextLayout righe;
    Disponi(righe, Testo(l), l, area.width());
    const int mostrate = Taglia(righe, l, area.width(), area.height());
    for (int i = 0; i < mostrate; ++i) righe.lineAt(i).draw(&pittore, area.topLeft());
    PiuTardi(l);
  }

  // Sizes the tip once the events already posted are handled.
  void PiuTardi(QLabel* l) {
    QMetaObject::invokeMethod(
        l,
        [this, l] {
          if (l->isVisible()) Dimensiona(l);
        },
        Qt::QueuedConnection);
  }

  // The tip's text as Disponi lays it out: each line break a line separator.
  static QString Testo(const QLabel* suggerimento) {
    return QString(suggerimento->text()).replace(QLatin1Char('\n'), QChar::LineSeparator);
  }

  // Lays out every character of `testo` in the tip's font in lines
  // `larghezza` pixels wide, each as full as it can be: a word cut at the end
  // of a line goes whole to the next where it fits there, and is cut where it
  // fits nowhere (a line without blanks). The first lines hold instead the
  // number of characters `colonne` gives, where it gives them.
  static void Disponi(QTextLayout& righe, const QString& testo, const QLabel* suggerimento,
                      int larghezza, const QList<int>& colonne = {}) {
    righe.setText(testo);
    righe.setFont(QFont(suggerimento->font(), suggerimento));
    QTextOption opzioni(Qt::AlignLeft);
    opzioni.setWrapMode(QTextOption::WrapAnywhere);
    righe.setTextOption(opzioni);
    const QFontMetricsF fm(suggerimento->font(), suggerimento);
    qreal alto = 0;
    righe.beginLayout();
    for (QTextLine riga = righe.createLine(); riga.isValid(); riga = righe.createLine()) {
      riga.setLeadingIncluded(true);
      if (riga.lineNumber() < colonne.size()) {
        riga.setNumColumns(colonne[riga.lineNumber()], larghezza);
        riga.setPosition(QPointF(0, alto));
        alto += riga.height();
        continue;
      }
      riga.setLineWidth(larghezza);
      const int inizio = riga.textStart(), fine = inizio + riga.textLength();
      if (fine < testo.size() && !testo[fine - 1].isSpace() && !testo[fine].isSpace()) {
        int spazio = fine - 1, dopo = fine;
        while (spazio > inizio && !testo[spazio].isSpace()) --spazio;
        while (dopo < testo.size() && !testo[dopo].isSpace()) ++dopo;
        if (spazio > inizio &&
            fm.horizontalAdvance(testo.mid(spazio + 1, dopo - spazio - 1)) <= larghezza)
          riga.setNumColumns(spazio + 1 - inizio, larghezza);
      }
      riga.setPosition(QPointF(0, alto));
      alto += riga.height();
    }
    righe.endLayout();
  }

  // The number of lines of `righe` (Disponi's) that a tip shows in
  // `altezza` pixels: those whose bottom lies within them, the first always.
  // Where they leave text out, `righe` is laid out again with the last of
  // them ending in "…", which takes the place of the blanks at its end and
  // of as many characters (whole, as the user sees them) as it must for "…"
  // to fit in `larghezza`.
  static int Taglia(QTextLayout& righe, const QLabel* suggerimento, int larghezza, int altezza) {
    int mostrate = 1;
    while (mostrate < righe.lineCount() && Fondo(righe, mostrate) <= altezza) ++mostrate;
    const QString testo = righe.text();
    const int inizio = righe.lineAt(mostrate - 1).textStart();
    int fine = inizio + righe.lineAt(mostrate - 1).textLength();
    if (std::all_of(testo.begin() + fine, testo.end(), [](QChar c) { return c.isSpace(); }))
      return mostrate;
    QList<int> colonne;
    for (int i = 0; i < mostrate; ++i) colonne << righe.lineAt(i).textLength();
    QTextBoundaryFinder caratteri(QTextBoundaryFinder::Grapheme, testo);
    for (;;) {
      int taglio = fine;
      while (taglio > inizio && testo[taglio - 1].isSpace()) --taglio;
      colonne.back() = taglio - inizio + 1;
      Disponi(righe, testo.left(taglio) + QChar(0x2026), suggerimento, larghezza, colonne);
      // A line holds no more than its width, whatever columns it is given:
      // "…" that does not fit goes to a line of its own.
      if (fine == inizio || (righe.lineCount() == mostrate &&
                             righe.lineAt(mostrate - 1).naturalTextWidth() <= larghezza))
        return mostrate;
      caratteri.setPosition(fine);
      fine = std::max<int>(inizio, caratteri.toPreviousBoundary());
    }
  }

  // The bottom of line `riga` of `righe`, in whole pixels.
  static int Fondo(const QTextLayout& righe, int riga) {
    const QTextLine r = righe.lineAt(riga);
    return qCeil(r.y() + r.height());
  }

  // Where a label draws its text: inside its frame and margin, and its indent
  // on the left.
  static QRect AreaTesto(const QLabel* l) {
    const int m = l->margin();
    return l->contentsRect().adjusted(m + std::max(l->indent(), 0), m, -m, -m);
  }

  // The tip last sized: its lines, kept for Dipingi while its text, font and
  // size stay the same.
  struct Disposizione {
    QPointer<QLabel> etichetta;
    QString testo;
    QFont font;
    QRect posto;  // the window's geometry as Dimensiona left it
    QTextLayout righe;
    int mostrate = 0;  // the lines shown
  };
  Disposizione mUltima;
  std::optional<QPoint> mAiuto;
  bool mDimensiona = false;
};

}  // namespace

QObject* FiltroSuggerimenti(QObject* padre) { return new Suggerimenti(padre); }

}  // namespace ui
