#include "ui/Tastiera.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <functional>
#include <vector>

namespace ui {
namespace {

// A control that answers a mnemonic: where the focus goes when several
// share the letter, and what it does when it is the only one.
struct Risponditore {
  QWidget* fuoco;
  std::function<void()> azione;
};

// Whether a caption carries `lettera` as its mnemonic ("Pu&lisci": L).
bool HaMnemonico(const QString& testo, QChar lettera) {
  return !testo.isEmpty() &&
         QKeySequence::mnemonic(testo) ==
             QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(lettera.unicode())));
}

// Where a group box's mnemonic puts the focus: its checked option, else the
// first control of the box in the focus chain; nullptr when it has none.
QWidget* PrimoNelRiquadro(QGroupBox* g) {
  QWidget* primo = nullptr;
  for (QWidget* w = g->nextInFocusChain(); w && w != g; w = w->nextInFocusChain()) {
    if (!g->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(g) ||
        !w->isEnabled())
      continue;
    if (auto* r = qobject_cast<QRadioButton*>(w); r && r->isChecked()) return r;
    if (!primo) primo = w;
  }
  return primo;
}

std::vector<Risponditore> Risponditori(QWidget* finestra, QChar lettera) {
  std::vector<Risponditore> out;
  const auto figli = finestra->findChildren<QWidget*>();
  for (QWidget* w : figli) {
    if (!w->isVisible() || !w->isEnabled()) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (HaMnemonico(b->text(), lettera)) out.push_back({b, [b] { b->animateClick(); }});
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
      QWidget* amico = l->buddy();
      if (amico && amico->isVisible() && amico->isEnabled() && HaMnemonico(l->text(), lettera))
        out.push_back({amico, [amico] { amico->setFocus(Qt::ShortcutFocusReason); }});
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      if (HaMnemonico(g->title(), lettera))
        out.push_back({g, [g] {
                         if (g->isCheckable())
                           g->setChecked(!g->isChecked());
                         else if (QWidget* primo = PrimoNelRiquadro(g))
                           primo->setFocus(Qt::ShortcutFocusReason);
                       }});
    } else if (auto* t = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < t->count(); ++i)
        if (t->isTabEnabled(i) && HaMnemonico(t->tabText(i), lettera))
          out.push_back({t, [t, i] { t->setCurrentIndex(i); }});
    }
  }
  return out;
}

// Opens the first menu of the main window's menu bar.
void ApriMenu(QWidget* principale) {
  auto* finestra = qobject_cast<QMainWindow*>(principale);
  QMenuBar* barra = finestra ? finestra->menuBar() : nullptr;
  if (!barra) return;
  for (QAction* a : barra->actions())
    if (a->isVisible() && a->isEnabled() && !a->isSeparator() && a->menu()) {
      barra->setActiveAction(a);
      return;
    }
}

// Alt+letter (or digit), with no other modifier: the letter, else 0.
QChar LetteraAlt(const QKeyEvent* e) {
  const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
  if (m != Qt::AltModifier) return QChar();
  const int k = e->key();
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return QChar(k);
  return QChar();
}

}  // namespace

Tastiera::Tastiera(QMdiArea* area) : QObject(area), mArea(area) {}

void Tastiera::Installa(QMdiArea* area) { qApp->installEventFilter(new Tastiera(area)); }

bool Tastiera::Attiva(QWidget* finestra, QChar lettera) {
  const std::vector<Risponditore> r = Risponditori(finestra, lettera.toUpper());
  if (r.empty()) return false;
  if (r.size() == 1) {
    r.front().azione();
    return true;
  }
  // Several controls share the letter: the focus moves to the next one.
  std::size_t prossimo = 0;
  const QWidget* fuoco = QApplication::focusWidget();
  for (std::size_t i = 0; i < r.size(); ++i)
    if (r[i].fuoco == fuoco) prossimo = (i + 1) % r.size();
  r[prossimo].fuoco->setFocus(Qt::ShortcutFocusReason);
  return true;
}

QWidget* Tastiera::finestraAttiva() const {
  QMdiSubWindow* s = mArea ? mArea->activeSubWindow() : nullptr;
  return s ? s->widget() : nullptr;
}

bool Tastiera::eventFilter(QObject* oggetto, QEvent* evento) {
  const QEvent::Type tipo = evento->type();
  if (tipo != QEvent::KeyPress && tipo != QEvent::ShortcutOverride) return false;
  auto* e = static_cast<QKeyEvent*>(evento);
  auto* w = qobject_cast<QWidget*>(oggetto);
  if (!w) return false;
  // A key goes to the focus widget, or to the active window when none has
  // the focus; it then climbs the parents, which must not act on it again.
  QWidget* fuoco = QApplication::focusWidget();

  if (e->key() == Qt::Key_F10 && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
      (w == fuoco || (!fuoco && w->isWindow())) && mArea && w->window() == mArea->window()) {
    if (tipo == QEvent::KeyPress) ApriMenu(mArea->window());
    e->accept();
    return true;
  }
  if (w != fuoco) return false;

  if (tipo == QEvent::KeyPress && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
      (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    auto* pulsante = qobject_cast<QPushButton*>(w);
    const bool premibile = (pulsante && !pulsante->autoDefault()) || qobject_cast<QToolButton*>(w);
    if (premibile && !qobject_cast<QDialog*>(w->window())) {
      static_cast<QAbstractButton*>(w)->animateClick();
      return true;
    }
    return false;
  }

  if (e->key() == Qt::Key_F4 && (e->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier && mArea &&
      w->window() == mArea->window()) {
    // The inner windows' own Ctrl+F4 clash with one another and do nothing.
    if (tipo == QEvent::ShortcutOverride) e->accept();
    else mArea->closeActiveSubWindow();
    return true;
  }

  const QChar lettera = LetteraAlt(e);
  QWidget* finestra = finestraAttiva();
  if (lettera.isNull() || !finestra || !finestra->isAncestorOf(w)) return false;
  if (tipo == QEvent::ShortcutOverride) {
    // Claim the key from the menus when the window has a control for it;
    // the key press that follows makes the control act.
    if (Risponditori(finestra, lettera).empty()) return false;
    e->accept();
    return true;
  }
  return Attiva(finestra, lettera);
}

}  // namespace ui
