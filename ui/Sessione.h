// Modal sessions: every box, dialog and popup menu that runs an event loop of
// its own on behalf of a tool window.
//
// While such a loop runs, the handler that opened it waits on the stack of
// the tool window. The window must therefore outlive the session: a request
// to close it (its close button, Ctrl+F4, "Chiudi Tutte", a screen reader)
// first ends the window's open sessions, as if the user had cancelled them,
// together with the boxes that a dialog opened inside itself (the overwrite
// question of a file dialog), and is made again once the last session has
// ended and its handler has returned to the event loop. Finestre does this
// for every window of the host; ui::Dialoghi opens every session through a
// Sessione.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace ui {

class Sessione {
 public:
  // `modale` runs a loop for the tool window that holds `origine` (a widget
  // of the window, or the window itself; nullptr or a widget outside any
  // tool window: the session belongs to no window).
  Sessione(QWidget* origine, QWidget* modale);
  ~Sessione();
  Sessione(const Sessione&) = delete;
  Sessione& operator=(const Sessione&) = delete;

  // True when the session was ended by a request to close its window.
  bool interrotta() const { return mInterrotta; }

  // The tool window that holds w: the widget framed by a QMdiSubWindow, found
  // through the parents (a modal dialog's parent included); nullptr if none.
  static QWidget* FinestraDi(QWidget* w);
  // Whether a session of the tool window is open.
  static bool Aperte(const QWidget* finestra);
  // Ends the window's open sessions, the innermost first, each after the
  // modal boxes and menus it opened inside itself: dialogs are rejected,
  // menus and other windows closed. Their loops return as soon as control
  // reaches them. Once no session of the window is open any more, `poi` runs
  // from the event loop (at most one per window: a later call replaces it;
  // dropped if the window goes first).
  static void Interrompi(QWidget* finestra, std::function<void()> poi = {});

 private:
  QPointer<QWidget> mFinestra;
  QPointer<QWidget> mModale;
  bool mInterrotta = false;
};

}  // namespace ui
