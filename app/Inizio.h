// The program's first steps: the application title, the refusal of a second
// instance and of a missing or damaged archive, the detector folder, and the
// start window.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

#include "ui/Programma.h"

class StartForm;

namespace Inizio {

struct Ambiente {
  QString eseguibile;      // the executable's path
  QString cartellaDati;    // the current folder at launch
  QString cartellaBlocco;  // where the single-instance lock lives
};

// Steps 1 to 7 (step 3 also reads and checks the archive into the state):
// returns the start window (shown; the caller runs its Form_Activate from
// the event loop) or nullptr when the
// program must end after the message it showed. The lock that refuses a
// second instance is kept in `blocco` for the program's lifetime.
StartForm* Main(Programma& programma, const Ambiente& ambiente, std::unique_ptr<QLockFile>& blocco);

}  // namespace Inizio
