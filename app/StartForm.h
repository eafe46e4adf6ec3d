// StartForm: the start window. It shows the start-up picture while the
// loading steps run, then opens the main window and closes itself.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/MDIForm1.h"
#include "ui/Programma.h"

class StartForm : public QWidget {
  Q_OBJECT

 public:
  explicit StartForm(Programma& programma);

  // The loading steps, run once the window is on screen: they load and
  // derive everything, open the main window and close the start window.
  // Returns false when the start-up had to stop (a message was shown); the
  // start window is then still open for the caller to close.
  bool Form_Activate();

  // The main window, once the loading has opened it.
  MDIForm1* principale() const { return mPrincipale; }

 private:
  Programma& mProgramma;
  QPointer<MDIForm1> mPrincipale;
};
