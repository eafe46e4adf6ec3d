// Where the keys of a window test go. On a display the window manager may
// hand the activation to another program's window at any moment (a window
// that appears takes it, and tests running beside this one open windows),
// and while none of the test's windows is active Qt has no focus widget: a
// key would have nowhere to go.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

namespace prova {

// The widget a key goes to, as QTest sends it (the focus widget, else the
// active window), once `finestra`'s window is the active one. While another
// window holds the activation it asks for it again, every half second, and
// waits five seconds at most; then it fails the test and gives null.
inline QWidget* Fuoco(QWidget& finestra) {
  QWidget* const w = finestra.window();
  QElapsedTimer chiesta;
  const bool attiva = QTest::qWaitFor(
      [&] {
        if (w->isActiveWindow()) return true;
        if (!chiesta.isValid() || chiesta.hasExpired(500)) {
          w->activateWindow();
          chiesta.start();
        }
        return false;
      },
      5000);
  if (!attiva) {
    ADD_FAILURE() << "la finestra " << w->objectName().toStdString()
                  << " non torna attiva entro 5 secondi: i tasti non hanno dove andare";
    return nullptr;
  }
  QWidget* const f = QApplication::focusWidget();
  return f ? f : w;
}

// Presses a key where the keys of `finestra`'s window go (see Fuoco); false,
// with the failure, when that window does not become active.
[[nodiscard]] inline bool Premi(QWidget& finestra, Qt::Key tasto,
                                Qt::KeyboardModifiers modificatori = Qt::NoModifier) {
  QWidget* const dove = Fuoco(finestra);
  if (dove) QTest::keyClick(dove, tasto, modificatori);
  return dove != nullptr;
}

}  // namespace prova
