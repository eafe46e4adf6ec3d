// StatGRit: the delay groups on the distance archives and their statistics.
// As of a reference draw (stepped with three buttons), the grid shows every
// wheel's numbers ranked by their combined delay on the five distance
// archives, in 15 groups of six; "Elabora" counts, from a start draw chosen
// in "Limiti Archivio" to the reference draw, the draws in which at least the
// chosen sorte of one group's numbers came out on a ticked wheel. The event
// list, detail panel, report and buttons are the statistics frame's.
//
// It reads the program's distance archives (TabelleRSC), which the archive
// editor keeps in step with the archive.
#pragma once

#include <map>

#include "stats/TelaioStatistiche.h"
#include "stats/gruppi_ritardo.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace ui {
class Griglia;
}

class StatGRit : public TelaioStatistiche {
  Q_OBJECT

 public:
  explicit StatGRit(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // Window fields: the last draw of the distance archives, the reference
  // draw and its date text, the chosen group (1..15), the delay tables and
  // groups as of the reference draw.
  int EstrUltima = 0;
  int EstrRiferimento = 0;
  std::string DataRiferimento;
  std::string DataLb;  // the short date LbData shows, empty before the first
  int GruppoScelto = 1;
  GruppiRitardo::Situazione Situazione;

  // Controls, by their design names.
  ui::Griglia* ana = nullptr;
  QLabel* Label3 = nullptr;
  QComboBox* ComboRit = nullptr;
  QGroupBox* Frame4 = nullptr;
  std::map<int, QPushButton*> CmdEst;  // 0 back, 1 forward, 2 "ULTIMA"
  QLabel* Label1 = nullptr;
  QLabel* LbData = nullptr;
  QGroupBox* Frame6 = nullptr;  // "Limiti Archivio"
  QCheckBox* CheckTutte = nullptr;
  std::map<int, QRadioButton*> OptEstr;  // 0 "Da Numero", 1 "Da Data"
  std::map<int, QLineEdit*> TxtEstr;     // 0 start draw, 1 "a Numero"
  std::map<int, QLineEdit*> TxtData;     // 0 start date, 1 "a Data"
  std::map<int, QLabel*> LbEstr;         // the labels of TxtEstr 1 and TxtData 1
  QCheckBox* CheckInverso = nullptr;

  // The five delay tables and the groups as of the reference draw, then the grid.
  void Calcola_Ritardi_RSC();
  void Crea_Gruppi_Ritardo();
  void Riempi_Griglia_Gruppi();
  // The run from the start draw to the reference draw.
  void Statistica_Gruppo();

  // Handlers.
  void CmdEst_Click(int Index);
  void ComboRit_Click();
  void CheckTutte_Click();
  void OptEstr_Click(int Index);
  void TxtEstr_Change(int Index);
  void TxtData_Change(int Index);
  void Mostra_Periodo() override;

 protected:
  void Avvia() override { Statistica_Gruppo(); }
  Statistiche::Elaborazione Calcola() override;
  std::vector<std::string> ControlliAggiuntivi() override;
  QString Intestazione() const override { return QStringLiteral("RSC  -  Ritardi Statistico-Cabalistici"); }
  QString NomeFile() const override { return QStringLiteral("RSCstat"); }
  // Beside the grid: the grid and the options leave the report few lines.
  QBoxLayout* PostoDettaglio() override { return mCima; }

 private:
  void creaControlli();
  // Shows the period option as chosen (or none) without running a handler.
  void scegliLimite(int Index);
  // The value of a number box, saturated (0 when it holds no digits).
  long long numero(int Index) const;

  QButtonGroup* mLimiti = nullptr;
  QBoxLayout* mCima = nullptr;  // the grid's row
};
