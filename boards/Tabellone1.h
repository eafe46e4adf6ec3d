// Tabellone1: the analytic board of one distance archive. As of a reference
// draw, every distance of the chosen archive (position k = 1..5) stands in the
// row of the draws since its latest occurrence on each wheel, under the
// position it had then; a click on a distance shows its wheel and delay and
// the number it points to from the k-th number of the reference draw.
//
// Every command opens a new window with its own copy of the chosen file, its
// own range and reference draw.
#pragma once

#include <map>

#include "boards/TelaioTabellone.h"
#include "boards/tabellone_analitico.h"
#include "core/archivio.h"

class QGroupBox;
class QRadioButton;

class Tabellone1 : public TelaioTabellone {
  Q_OBJECT

 public:
  explicit Tabellone1(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // Chooses the distance archive of position Index + 1: reads its file and
  // shows its board at the end of the current range. A file that cannot be
  // read is refused with a critical box and the window keeps its source.
  void OptArchivio_Click(int Index);
  // Reads Rsc<k>.dat into CopiaRSC; when the file is missing or damaged,
  // returns the reason and CopiaRSC is unchanged. Never creates a file.
  Esito Leggi_Archivio_RSC(int k);
  // The board for reference draw R on CopiaRSC, from the current range start.
  void Crea_Tabellone_RSC(int R);

  // The window's copy of the chosen distance archive and its position (0
  // until a file has been read).
  Archivio CopiaRSC;
  int EstrattoScelto = 0;

  QGroupBox* Frame1 = nullptr;
  std::map<int, QRadioButton*> OptArchivio;  // 0..4: positions 1..5

 protected:
  void CalcolaTabellone(int riferimento) override { Crea_Tabellone_RSC(riferimento); }
  QString DataEstrazione(int d) const override;
  std::optional<QStringList> Dettagli(int riga, int colonna) const override;
  int MargineSinistro(int larghezzaInterna) const override;
  void Disponi() override;

 private:
  Tabelloni::Tabellone mTabellone;
  int mRiferimento = 0;  // the reference draw mTabellone was computed for
};
