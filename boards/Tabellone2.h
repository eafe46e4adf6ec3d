// Tabellone2: the mixed-delay board. As of a reference draw, every number of
// every wheel stands once, in the row of its largest mixed delay over the
// five positions (the delay of the distance that leads to it plus its own
// delay); each wheel has a block of columns as wide as its fullest row.
//
// Every command opens a new window with its own range and reference draw;
// it reads the program's distance archives (TabelleRSC) and draw archive.
// The grid has no cell details.
#pragma once

#include "boards/TelaioTabellone.h"
#include "boards/tabellone_misti.h"

class Tabellone2 : public TelaioTabellone {
  Q_OBJECT

 public:
  explicit Tabellone2(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // Rebuilds the grid, header included, from TabellaMista.
  void Riempi_Tabellone_Misti();

  // The board last computed.
  Tabelloni::TabelloneMisto TabellaMista;

 protected:
  void CalcolaTabellone(int riferimento) override;
  QString DataEstrazione(int d) const override;
};
