// Spia: the spy-number analysis. For the chosen wheel and spy number, over the
// range of the main window taken at each analysis, the text pane reports the
// five pairs that most often followed the spy within nine draws and whether a
// play is under way; the report can be printed and saved. A hidden button,
// shown and hidden again with Ctrl+Alt+T, reports every spy number of the
// wheel whose play is under way.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "ui/Contesto.h"

class QGroupBox;
class QLabel;
namespace ui { class PannelloTesto; }
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStatusBar;
struct Stato;

class Spia : public QWidget {
  Q_OBJECT

 public:
  explicit Spia(const ui::Contesto& contesto, QWidget* parent = nullptr);

  int Ruota = 1;       // 1..10
  int NumeroSpia = 1;  // 1..90
  int EstrInizio = 0;  // the range of the last analysis (or of the opening)
  int EstrFine = 0;

  // Controls, by their design names.
  QGroupBox* Frame1 = nullptr;
  std::map<int, QRadioButton*> OptRuota;  // 1..11; 11 "TUTTE" is never shown
  QLabel* Label2 = nullptr;
  QScrollBar* UpDNum = nullptr;
  QLabel* LbNum = nullptr;
  ui::PannelloTesto* Text1 = nullptr;
  std::map<int, QPushButton*> Cmd;  // 0 Elabora, 1 Esci, 2 Stampa, 3 Salva Output
  QPushButton* CmdRep = nullptr;
  QStatusBar* StBar = nullptr;
  QLabel* Panel1 = nullptr;  // the status bar's first panel

  // Handlers and procedures.
  void Elabora_Spia();
  void UpDNum_Change();
  void OptRuota_Click(int Index);
  void Cmd_Click(int Index);
  void CmdRep_Click();
  void Mostra_Periodo();
  // KeyCode 84 (T) with Shift 6 (Ctrl and Alt) shows or hides CmdRep.
  void Form_KeyDown(int KeyCode, int Shift);

  // The report as the pane shows it, one text per line.
  const std::vector<std::string>& Righe() const { return mRighe; }

 private:
  void creaControlli();
  void mostraRapporto(std::vector<std::string> righe);
  // The end of every analysis that ran: focus on the report, print and save on.
  void fineAnalisi();
  void stampa();
  void salva();

  Stato& mStato;
  std::vector<std::string> mRighe;
};
