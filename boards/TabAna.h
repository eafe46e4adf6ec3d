// TabAna: the analytic delay board. As of a reference draw, every number of
// every wheel stands in the row of its delay (the draws since its latest
// appearance on that wheel), under the position it had then; a click on a
// number shows its wheel, delay, longest gap and presences.
#pragma once

#include "boards/TelaioTabellone.h"
#include "boards/tabellone_analitico.h"
#include "core/archivio.h"

class TabAna : public TelaioTabellone {
  Q_OBJECT

 public:
  explicit TabAna(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // The board for reference draw R on the window's copy of the archive, from
  // the current range start.
  void Crea_Tabellone_Analitico(int R);

  // The window's own copy of archivio.dat, read when it opens.
  Archivio CopiaArchivio;

 protected:
  void CalcolaTabellone(int riferimento) override { Crea_Tabellone_Analitico(riferimento); }
  QString DataEstrazione(int d) const override;
  std::optional<QStringList> Dettagli(int riga, int colonna) const override;

 private:
  Tabelloni::TabelloneAnalitico mTabellone;
};
