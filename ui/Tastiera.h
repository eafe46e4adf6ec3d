// The keyboard of the tool windows, as users of a desktop program expect it.
//
// - Return (or Enter) on a focused push button presses it, as Space does;
//   Qt does this by itself only inside dialogs.
// - Alt+letter belongs first to the active tool window: when one of its
//   visible, enabled controls carries the letter as its mnemonic ("&Esci"),
//   the control acts (a button is pressed, a label gives the focus to its
//   buddy, a group box to its checked option or first control, a tab is
//   chosen; several controls with the letter take the focus in turn), and
//   the main window's menu with that letter does not open. Other letters
//   reach the menus as before.
// - Ctrl+F4 closes the active inner window.
// - F10 opens the main window's first menu, as on the desktops.
#pragma once

#include <QObject>
#include <QPointer>

class QMdiArea;
class QWidget;

namespace ui {

class Tastiera : public QObject {
  Q_OBJECT

 public:
  // Watches every key of the application on behalf of the host's windows;
  // the object belongs to the host (`area`'s parent chain) and ends with it.
  static void Installa(QMdiArea* area);

  // Makes the control of `finestra` with the mnemonic act, as described
  // above; false when the window has none with that letter.
  static bool Attiva(QWidget* finestra, QChar lettera);

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  explicit Tastiera(QMdiArea* area);
  QWidget* finestraAttiva() const;

  QPointer<QMdiArea> mArea;
};

}  // namespace ui
