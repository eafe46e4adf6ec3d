#include "ui/Testo.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>

#include "core/testo.h"

namespace ui {
namespace {

// Turns each label plain as it is polished, which every widget is before it
// is first shown or measured for a layout, and gives Qt's tooltip the size
// and the lines of its text (Dimensiona, Dipingi).
class EtichetteSemplici : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::Polish && tipo != QEvent::Resize && tipo != QEvent::Paint) return false;
    auto* l = qobject_cast<QLabel*>(oggetto);
    if (!l) return false;
    if (tipo == QEvent::Polish && l->textFormat() == Qt::AutoText) l->setTextFormat(Qt::PlainText);
    // Qt's tooltip wraps its label where it guesses markup or the line is
    // wider than the screen.
    if (tipo == QEvent::Polish || !l->wordWrap() || l->textFormat() != Qt::PlainText ||
        l->objectName() != QLatin1String("qtooltip_label"))
      return false;
    if (tipo == QEvent::Resize) {
      // Dimensiona's own move and resize come back here, to be left as they are.
      if (!mDimensiona) {
        const QScopedValueRollback dentro(mDimensiona, true);
        Dimensiona(l);
      }
      return false;
    }
    Dipingi(l);
    return true;
  }

 private:
  // Qt wraps a text it guesses might be markup into a narrow box although the
  // label shows it plain, and lets a line wider than the screen run past the
  // edge where the line has no blank. Here a plain tip gets the size of its
  // text on one line; a line wider than the screen is wrapped at the screen's
  // width (Disponi) and keeps the label's word wrap, which has Dipingi paint
  // it; a text taller than the screen shows the lines the screen holds. The
  // tip keeps its place, moved back inside the screen where it grew past an
  // edge, as Qt places a tip: its window's position, its size.
  static void Dimensiona(QLabel* suggerimento) {
    suggerimento->setWordWrap(false);
    // The extra pixel Qt gives a tip beside its text.
    QSize misura = suggerimento->sizeHint() + QSize(1, 0);
    const QRect schermo = Schermo(suggerimento);
    if (misura.width() > schermo.width()) {
      suggerimento->setWordWrap(true);
      const QSize attorno = suggerimento->size() - AreaTesto(suggerimento).size() + QSize(1, 0);
      QTextLayout righe;
      misura = Disponi(righe, suggerimento, schermo.width() - attorno.width()) + attorno;
    }
    QRect r(suggerimento->pos(), misura.boundedTo(schermo.size()));
    r.moveRight(std::min(r.right(), schermo.right()));
    r.moveBottom(std::min(r.bottom(), schermo.bottom()));
    suggerimento->move(r.topLeft());
    suggerimento->resize(r.size());
  }

  // Paints a wrapped tip as Qt does, its panel then its text, but in the
  // lines Disponi makes: QLabel breaks a line only at a blank.
  static void Dipingi(QLabel* suggerimento) {
    QStylePainter pittore(suggerimento);
    QStyleOptionFrame pannello;
    pannello.initFrom(suggerimento);
    pittore.drawPrimitive(QStyle::PE_PanelTipLabel, pannello);
    const QRect area = AreaTesto(suggerimento);
    QTextLayout righe;
    Disponi(righe, suggerimento, area.width());
    pittore.setPen(suggerimento->palette().color(suggerimento->foregroundRole()));
    righe.draw(&pittore, area.topLeft());
  }

  // Lays out every character of the tip's text in lines `larghezza` pixels
  // wide, each as full as it can be: a word cut at the end of a line goes
  // whole to the next where it fits there, and is cut where it fits nowhere
  // (a line without blanks). Returns the size the lines take.
  static QSize Disponi(QTextLayout& righe, const QLabel* suggerimento, int larghezza) {
    const QString testo =
        QString(suggerimento->text()).replace(QLatin1Char('\n'), QChar::LineSeparator);
    righe.setText(testo);
    righe.setFont(QFont(suggerimento->font(), suggerimento));
    QTextOption opzioni(Qt::AlignLeft);
    opzioni.setWrapMode(QTextOption::WrapAnywhere);
    righe.setTextOption(opzioni);
    const QFontMetricsF fm(suggerimento->font(), suggerimento);
    qreal largo = 0, alto = 0;
    righe.beginLayout();
    for (QTextLine riga = righe.createLine(); riga.isValid(); riga = righe.createLine()) {
      riga.setLeadingIncluded(true);
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
      largo = std::max(largo, riga.naturalTextWidth());
      alto += riga.height();
    }
    righe.endLayout();
    return {qCeil(largo), qCeil(alto)};
  }

  // Where a label draws its text: inside its frame and margin, and its indent
  // on the left.
  static QRect AreaTesto(const QLabel* l) {
    const int m = l->margin();
    return l->contentsRect().adjusted(m + std::max(l->indent(), 0), m, -m, -m);
  }

  // The screen the tip is for. A new tip is already placed there, while its
  // window may report the screen that Qt's own size reached; a tip shown
  // again gets the pointer's screen before Qt sizes it, and its place after.
  static QRect Schermo(const QLabel* suggerimento) {
    const QScreen* s = suggerimento->isVisible() ? suggerimento->screen()
                                                 : QGuiApplication::screenAt(suggerimento->pos());
    if (!s) s = suggerimento->screen();
    return s ? s->geometry() : QRect(0, 0, 1 << 20, 1 << 20);
  }

  bool mDimensiona = false;
};

}  // namespace

long long NumeroIniziale(const QString& testo) { return testo::InteroIniziale(S(testo)); }

int LarghezzaLista(const QComboBox* lista, const QStringList& testi) {
  const QFontMetrics m = lista->fontMetrics();
  // Every digit stands as the widest one: the draw labels then fall into a
  // few shapes (weekday, month, number of digits), and only those are measured.
  QChar cifraLarga = QLatin1Char('0');
  for (char c = '1'; c <= '9'; ++c)
    if (m.horizontalAdvance(QLatin1Char(c)) > m.horizontalAdvance(cifraLarga)) cifraLarga = QLatin1Char(c);
  QSet<QString> forme;
  for (QString t : testi) {
    for (QChar& c : t)
      if (c.isDigit()) c = cifraLarga;
    forme.insert(t);
  }
  int testo = 0;
  for (const QString& t : forme) testo = std::max(testo, m.horizontalAdvance(t));
  QStyleOptionComboBox opzioni;
  opzioni.initFrom(lista);
  opzioni.editable = false;
  opzioni.frame = true;
  const QSize contenuto(testo + 4, m.height());
  return lista->style()->sizeFromContents(QStyle::CT_ComboBox, &opzioni, contenuto, lista).width();
}

void ImpostaTestoSemplice() {
  static QObject* filtro = nullptr;
  if (filtro) return;
  filtro = new EtichetteSemplici(qApp);
  qApp->installEventFilter(filtro);
}

void SuggerimentoSemplice(QWidget* w, const QString& testo) {
  w->setToolTip(testo);
  w->setAccessibleDescription(testo);
}

namespace {
constexpr char kNome[] = "nomeFinestra";
}  // namespace

void Nomina(QWidget* finestra, const QString& nome) {
  finestra->setProperty(kNome, nome);
  // "[*][*]" shows as "[*]".
  finestra->setWindowTitle(SuUnaRiga(nome).replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
  // The frame reads its name from here: the title may read the same.
  if (auto* cornice = qobject_cast<QMdiSubWindow*>(finestra->parentWidget())) {
    QAccessibleEvent cambiato(cornice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&cambiato);
  }
}

QString Nome(const QWidget* finestra) { return finestra->property(kNome).toString(); }

QString VoceMenu(const QWidget* finestra, const QFontMetrics& fm, int larghezza) {
  QString voce = SuUnaRiga(Nome(finestra));
  if (fm.horizontalAdvance(voce) > larghezza) voce = fm.elidedText(voce, Qt::ElideMiddle, larghezza);
  return voce.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString SuUnaRiga(QString testo) {
  testo.replace(QLatin1String("\r\n"), QLatin1String(" "));
  for (QChar& c : testo)
    if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == u'\x85' ||
        c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
      c = u' ';
  return testo;
}

}  // namespace ui
