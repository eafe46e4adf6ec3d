#include "ui/Testo.h"

#include <QComboBox>
#include <QSet>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "core/testo.h"

namespace ui {

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

}  // namespace ui
