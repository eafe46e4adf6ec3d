#include "ui/Testo.h"

#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "core/testo.h"

namespace ui {

long long NumeroIniziale(const QString& testo) { return testo::InteroIniziale(S(testo)); }

int LarghezzaLista(const QComboBox* lista, const QStringList& testi) {
  const QFontMetrics m = lista->fontMetrics();
  int testo = 0;
  for (const QString& t : testi) testo = std::max(testo, m.horizontalAdvance(t));
  QStyleOptionComboBox opzioni;
  opzioni.initFrom(lista);
  opzioni.editable = false;
  opzioni.frame = true;
  const QSize contenuto(testo + 4, m.height());
  return lista->style()->sizeFromContents(QStyle::CT_ComboBox, &opzioni, contenuto, lista).width();
}

}  // namespace ui
