// CDF: presences and delays of the cadences, decades and figures. For a
// reference draw chosen on a scroll bar and the cycle of draws that ends with
// it, six grids show per wheel how often each class came out with at least the
// chosen sorte's count of numbers (presences) and the draws since it last did
// (delays), with cells highlighted by thresholds; a button writes what the
// grids show to output.txt in the program folder.
//
// The window keeps its own copy of archivio.dat, read when it opens. It uses
// the delay boards' conventions: tracking is off, so dragging the thumb moves
// only the header and releasing it computes; "&Aggiorna" takes over a changed
// range and leaves the reference draw where it is when the range is unchanged.
#pragma once

#include <QWidget>
#include <map>
#include <optional>

#include "boards/cadenze_decine_figure.h"
#include "core/archivio.h"
#include "ui/Contesto.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStatusBar;
class QToolButton;
struct Stato;

namespace ui {
class Griglia;
}

class CDF : public QWidget {
  Q_OBJECT

 public:
  explicit CDF(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // The window's copy of archivio.dat, read when it opens.
  Archivio CopiaArchivio;
  // The reference draw: the last draw of the cycle.
  int EstrRiferimento = 0;
  // The range end the window took (at opening and by "&Aggiorna").
  int EstrMassima = 0;
  // The sorte, 1 Ambata .. 5 Cinquina.
  int SorteScelta = 1;

  // Controls, by their design names.
  ui::Griglia* PCad = nullptr;
  ui::Griglia* PDec = nullptr;
  ui::Griglia* PFig = nullptr;
  ui::Griglia* RCad = nullptr;
  ui::Griglia* RDec = nullptr;
  ui::Griglia* RFig = nullptr;
  QScrollBar* Sli = nullptr;
  std::map<int, QToolButton*> CmdEst;  // 3 first full cycle (left), 2 last draw (right)
  QPushButton* CmdAggiorna = nullptr;
  QLabel* Label111 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* LbData = nullptr;
  std::map<int, QRadioButton*> OptSorte;  // 0 Ambata .. 4 Cinquina
  QLineEdit* TxCiclo = nullptr;
  QCheckBox* CkPreMin = nullptr;
  QLineEdit* TxMinP = nullptr;
  QCheckBox* CkPreMax = nullptr;
  QLineEdit* TxMaxP = nullptr;
  QCheckBox* CkRitMax = nullptr;
  QLineEdit* TxMaxR = nullptr;
  QPushButton* CmdRicalcola = nullptr;
  QPushButton* stampa = nullptr;
  QStatusBar* SBDCCF = nullptr;
  std::map<int, QLabel*> Panels;  // the status bar's panels 1 and 2

  // The grid of a model table (CadenzeDecineFigure::PCad .. RFig).
  ui::Griglia* griglia(int g) const;

  // Handlers.
  void OptSorte_Click(int Index);
  void CmdRicalcola_Click();
  void Sli_Change();
  void Sli_Scroll(int posizione);
  void CmdEst_Click(int Index);
  void CmdAggiorna_Click();
  void stampa_Click();
  // Key filter of the number boxes: KeyAscii becomes 0 when the key is
  // discarded (anything but the digits and Backspace).
  void TxCiclo_KeyPress(int& KeyAscii);
  void TxMinP_KeyPress(int& KeyAscii);
  void TxMaxP_KeyPress(int& KeyAscii);
  void TxMaxR_KeyPress(int& KeyAscii);

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void creaControlli();
  void preparaGriglie();
  void dimensionaColonne(ui::Griglia* gr);
  // The number a box's text starts with: 0 when none, never negative, capped
  // at the largest int.
  static int Numero(const QLineEdit* casella);
  // The highlighting options as the controls hold them, and the reverse.
  CadenzeDecineFigure::Evidenziazione evidenziazione() const;
  void impostaEvidenziazione(const CadenzeDecineFigure::Evidenziazione& ev);
  // Refuses a cycle: the message, then the cycle box takes the focus with its
  // text selected.
  void rifiutaCiclo(const QString& messaggio);
  void mostra(const CadenzeDecineFigure::Calcolo& c);
  void scriviIntestazione(int d);

  Stato& mStato;
  // The range start the window took; with EstrMassima it tells "&Aggiorna"
  // whether the range changed (the scroll bar's minimum may have been raised
  // to the cycle length meanwhile).
  int mInizioPreso = 0;
  // The last computation and the cycle box's text when it ran: the report
  // file writes these.
  std::optional<CadenzeDecineFigure::Calcolo> mCalcolo;
  QString mTestoCiclo;
};
