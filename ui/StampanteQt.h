// The printer of the running program: the system's default printer through
// Qt, at the printer's own resolution, the job named after the window.
#pragma once

#include "ui/Servizi.h"

class QPrinter;

namespace ui {

class StampanteQt : public Stampante {
 public:
  bool installata() override;
  bool stampa(const QString& documento, const QStringList& righe, const QString& font, int punti,
              QString* errore) override;
};

// Prints `righe` on `stampante` as the job `documento`, paginated, in the
// fixed-pitch family `font` (the system's fixed font when the family does not
// resolve to a fixed-pitch one). The size is `punti`, or smaller for the whole
// job when a line would not fit the printable width (see Impagina). Lines
// follow each other at the pitch of the nominal size, so the page breaks do
// not depend on the widest line. False with a reason when the job fails.
bool StampaSu(QPrinter& stampante, const QString& documento, const QStringList& righe,
              const QString& font, int punti, QString* errore);

}  // namespace ui
