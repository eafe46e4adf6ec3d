#include "ui/NomiAccessibili.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QWidget>

#include "ui/Testo.h"

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

// The frame of a tool window: Qt's own, but for the name.
class CorniceAccessibile : public QAccessibleWidget {
 public:
  explicit CorniceAccessibile(QMdiSubWindow* cornice) : QAccessibleWidget(cornice, QAccessible::Window) {}

  static QAccessibleInterface* Fabbrica(const QString& classe, QObject* oggetto) {
    auto* cornice = qobject_cast<QMdiSubWindow*>(oggetto);
    return classe == QLatin1String("QMdiSubWindow") && cornice ? new CorniceAccessibile(cornice) : nullptr;
  }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const QWidget* w = cornice()->widget();
    if (const QString nome = w ? Nome(w) : QString(); !nome.isEmpty()) return nome;
    return cornice()->windowTitle().remove(QLatin1String("[*]"));
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    const QMdiSubWindow* c = cornice();
    s.focusable = true;
    s.focused = c == QApplication::focusWidget() || c->isAncestorOf(QApplication::focusWidget());
    s.movable = s.sizeable = !c->isMaximized();
    s.invisible = !c->isVisible();
    s.offscreen = c->parentWidget() && !c->parentWidget()->contentsRect().contains(c->geometry());
    s.disabled = !c->isEnabled();
    return s;
  }
  // Its one child is the window it frames.
  int childCount() const override { return cornice()->widget() ? 1 : 0; }
  QAccessibleInterface* child(int i) const override {
    QWidget* w = cornice()->widget();
    return i == 0 && w ? QAccessible::queryAccessibleInterface(w) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* figlio) const override {
    return figlio && figlio->object() && figlio->object() == cornice()->widget() ? 0 : -1;
  }

 private:
  QMdiSubWindow* cornice() const { return static_cast<QMdiSubWindow*>(widget()); }
};

}  // namespace

void NominaCornici() {
  static const bool fatto = (QAccessible::installFactory(&CorniceAccessibile::Fabbrica), true);
  (void)fatto;
}

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
