// AAM: the minimum-wait ambatas. On the window's own copy of the range, the
// grid `ana` shows per wheel the three pairs with the shortest longest wait,
// their combination and its presences and delays per sorte; the grid `Ano`
// lists the chosen pairs whose current wait has passed 75 % of their longest
// (in red beyond 130 %). The range bar stays visible: "&Aggiorna" takes over
// a changed range and computes, "&Elabora" takes it over too and computes in
// any case. A progress bar shows while a computation runs.
#pragma once

#include <QWidget>

#include "forecast/attesa_minima.h"
#include "ui/Contesto.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
struct Stato;

namespace ui {
class Griglia;
}

class AAM : public QWidget {
  Q_OBJECT

 public:
  explicit AAM(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // The window's range: its copy of EstrInizio and EstrFine.
  int EstrInizio = 0;
  int EstrFine = 0;

  // Controls, by their design names.
  ui::Griglia* ana = nullptr;
  ui::Griglia* Ano = nullptr;
  QPushButton* CmdElab = nullptr;
  QPushButton* CmdAggiorna = nullptr;
  QPushButton* CmdEsci = nullptr;
  QProgressBar* PBar = nullptr;
  QStatusBar* StBar = nullptr;
  QLabel* Panel1 = nullptr;  // the status bar's first panel
  QLabel* LbPeriodo = nullptr;

  // Handlers and procedures.
  void CmdElab_Click();
  void CmdAggiorna_Click();
  void CmdEsci_Click();
  void Intesta_Griglie();
  void Mostra_Periodo();
  // The period of the range taken, as the status bar and the grid's label say it.
  QString Periodo() const;

 private:
  void creaControlli();
  // Takes over the main window's range; false when it had not changed.
  bool prendiRange();
  void elabora();
  void riempiAllarmi(const std::vector<AttesaMinima::Allarme>& allarmi);

  Stato& mStato;
};
