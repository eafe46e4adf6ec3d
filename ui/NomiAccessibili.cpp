#include "ui/NomiAccessibili.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace ui {

namespace {

// A control is what the keyboard or the mouse can operate; labels, frames
// and containers are not.
bool Controllo(const QWidget* w) {
  return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton*>(w) ||
         qobject_cast<const QAbstractSlider*>(w);
}

QString NomeDerivato(const QWidget* w, const QHash<const QWidget*, const QLabel*>& etichette) {
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return SenzaTasti(g->title()).trimmed();
  if (const QLabel* l = etichette.value(w); l && !l->text().trimmed().isEmpty())
    return SenzaTasti(l->text()).trimmed();
  if (auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().trimmed().isEmpty())
    return SenzaTasti(b->text()).trimmed();
  // Tooltips and placeholders are plain text: an "&" in them is a character.
  if (!w->toolTip().trimmed().isEmpty()) return w->toolTip().trimmed();
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->placeholderText().trimmed();
  if (auto* c = qobject_cast<const QComboBox*>(w)) return c->placeholderText().trimmed();
  return QString();
}

}  // namespace

QString SenzaTasti(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      out += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
      out += u'&';
      ++i;
    }
  }
  return out;
}

void DaiNomi(QWidget* finestra) {
  QHash<const QWidget*, const QLabel*> etichette;
  for (const QLabel* l : finestra->findChildren<QLabel*>())
    if (l->buddy()) etichette.insert(l->buddy(), l);
  for (QWidget* w : finestra->findChildren<QWidget*>()) {
    if (!(Controllo(w) || qobject_cast<QGroupBox*>(w)) || !w->accessibleName().isEmpty()) continue;
    const QString nome = NomeDerivato(w, etichette);
    if (nome.isEmpty()) continue;
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    if (i && i->text(QAccessible::Name) == nome) continue;
    w->setAccessibleName(nome);
  }
}

}  // namespace ui
