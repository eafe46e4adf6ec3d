#include "ui/Testo.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QSet>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "core/testo.h"
#include "ui/Suggerimenti.h"

namespace ui {
namespace {

// Turns each label plain as it is polished, which every widget is before it
// is first shown or measured for a layout: Qt's tooltip among them, which
// FiltroSuggerimenti then sizes, places and paints.
class EtichetteSemplici : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    if (evento->type() != QEvent::Polish) return false;
    auto* l = qobject_cast<QLabel*>(oggetto);
    if (l && l->textFormat() == Qt::AutoText) l->setTextFormat(Qt::PlainText);
    return false;
  }
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
  qApp->installEventFilter(FiltroSuggerimenti(qApp));
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
