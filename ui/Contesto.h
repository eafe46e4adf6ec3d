// Contesto: what a tool window receives from the shell. Tools never include
// the shell's headers: they reach the shared state through the gate, the
// other windows through the registry, and the main window's cell-details
// popup through a small interface. The services (message boxes, dialogs,
// printer...) are reached through ui::servizi().
#pragma once

#include <QStringList>

#include "core/stato.h"
#include "ui/Finestre.h"
#include "ui/Programma.h"

namespace ui {

// The main window's popup of a board cell's details.
class MenuDettagli {
 public:
  virtual ~MenuDettagli() = default;
  // Shows the lines at the mouse position and returns once the popup closed.
  virtual void MostraDettagli(const QStringList& righe) = 0;
};

// Must outlive every tool window opened with it (the shell owns it).
struct Contesto {
  Programma& programma;
  Finestre& finestre;
  MenuDettagli& dettagli;

  Stato& stato() const { return programma.stato(); }
};

}  // namespace ui
