#include "archive/CasellaTesto.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

CasellaTesto::CasellaTesto(QWidget* parent) : QLineEdit(parent) {
  // Text reaches the box only through keys the window judged.
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
}

void CasellaTesto::keyPressEvent(QKeyEvent* e) {
  int KeyAscii = 0;
  const QString t = e->text();
  if (e->key() == Qt::Key_Backspace) KeyAscii = kBackspace;
  else if (e->matches(QKeySequence::Paste)) KeyAscii = kIncolla;
  else if (e->matches(QKeySequence::Cut)) KeyAscii = kTaglia;
  else if (!t.isEmpty() && t[0].isPrint() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    KeyAscii = t[0].unicode();
  if (KeyAscii != 0 && KeyPress) {
    KeyPress(KeyAscii);
    if (KeyAscii == 0) {
      e->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(e);
}

void CasellaTesto::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  if (GotFocus) GotFocus();
}

void CasellaTesto::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  // Only a move to another control of the window validates; a message box
  // or a menu taking the focus does not.
  const Qt::FocusReason r = e->reason();
  if (r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason) return;
  bool Cancel = false;
  if (Validate) Validate(Cancel);
  if (Cancel) {
    // The press that took the focus away lost its release to the refusal's
    // box: the button must not stay drawn pressed (nor click later).
    if (auto* premuto = qobject_cast<QAbstractButton*>(QApplication::focusWidget())) premuto->setDown(false);
    QMetaObject::invokeMethod(this, [this] { setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
    return;
  }
  if (LostFocus) LostFocus();
}
