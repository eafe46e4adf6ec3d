// ExtraRuota: the numbers per wheel table. For one wheel, or for all wheels
// together ("TUTTE"), the ninety numbers with their current delay (RIT),
// longest gap (STO) and appearances (PRE) as of a chosen draw, on the draw
// archive or on one of the five distance archives read into the window's own
// copy; sortable on any column, saved to a text file or printed.
//
// It uses the board frame for the as-of draw (scroll bar, first/last buttons,
// "&Aggiorna", header line) with a layout of its own; the grid has no cell
// details. One instance; it opens every time on archivio.dat, BARI, sorted
// on "Numero" ascending.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "boards/TelaioTabellone.h"
#include "boards/estratti_ruota.h"
#include "core/archivio.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class ExtraRuota : public TelaioTabellone {
  Q_OBJECT

 public:
  explicit ExtraRuota(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // Computes the three tables as of draw da_Quando on ArchivioScelto.
  void Calcola_Storici_e_Presenze(int da_Quando);

  // Handlers, by their design names.
  void OptFile_Click(int Index);
  void OptRuota_Click(int Index);
  void OptOrdina_Click(int Index);
  void CmdInvert_Click();
  void CmdSalva_Click();
  void CmdStampa_Click();

  // The window's copy of the chosen source and the tables computed on it.
  Archivio ArchivioScelto;
  EstrattiRuota::Tabelle Tabelle;
  // The as-of draw is the frame's reference draw.
  int& DaQuando = EstrRiferimento;
  int RuotaScelta = 1;  // 1..10, EstrattiRuota::kTutte
  int ColOrdine = EstrattiRuota::Numero;
  bool OrdineInverso = false;
  int FileScelto = 0;  // 0 archivio.dat, k Rsc<k>.dat

  // Controls, by their design names.
  QLabel* Label2 = nullptr;
  QGroupBox* Frame1 = nullptr;
  std::map<int, QRadioButton*> OptRuota;  // 1..11
  QGroupBox* Frame2 = nullptr;
  std::map<int, QRadioButton*> OptOrdina;  // 1..4
  QPushButton* CmdInvert = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  std::map<int, QRadioButton*> OptFile;  // 0..5
  QGroupBox* Frame3 = nullptr;
  QPushButton* CmdSalva = nullptr;
  QPushButton* CmdStampa = nullptr;

 protected:
  void CalcolaTabellone(int riferimento) override;
  QString DataEstrazione(int d) const override;
  void Disponi() override;
  // The grid with all its rows beside the whole column of controls.
  QSize sizeHint() const override;

 private:
  // The lines of the saved file and of the printout.
  std::vector<std::string> Righe() const;

  QWidget* mTesta = nullptr;    // header line and wheel label, above the grid
  QWidget* mComandi = nullptr;  // the controls right of the grid
};
