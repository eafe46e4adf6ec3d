// TelaioTabellone: the frame the delay boards share. The reference draw sits
// on a scroll bar within the range the window took from the range bar; two
// buttons jump to the first and the last draw of that range; "&Aggiorna"
// takes over a range changed since; a header line shows the number and the
// date of the reference draw; the grid is refilled for every reference draw,
// keeping its scroll position; a click on a cell can show its details in the
// main window's popup.
//
// A board derives from it and provides the computation (CalcolaTabellone),
// the date of a draw from its own copy of the data, and the cell details.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "core/Programma.h"

class MDIForm1;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace ui {
class Griglia;
}

class TelaioTabellone : public QWidget {
  Q_OBJECT

 public:
  // The reference draw and the window's copy of the range end.
  int EstrRiferimento = 0;
  int EstrMassima = 0;
  // The grid's top row and left column, kept from one refill to the next.
  int PrimaRiga = 0;
  int PrimaColonna = 0;

  // Controls, by their design names.
  QScrollBar* Sli = nullptr;
  std::map<int, QToolButton*> CmdEst;  // 3 first draw (left), 2 last draw (right)
  QPushButton* CmdAggiorna = nullptr;
  QLabel* Label111 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* LbData = nullptr;
  ui::Griglia* ana = nullptr;

  // Handlers of the frame.
  void Sli_Change();
  void Sli_Scroll(int posizione);
  void CmdEst_Click(int Index);
  void CmdAggiorna_Click();
  void ana_Click();

 protected:
  TelaioTabellone(MDIForm1& principale, QWidget* parent = nullptr);

  // The frame's share of opening: the window takes the range and shows the
  // board of the range end (the value change computes it).
  void ApriSulRange();

  // The board procedure: compute for the reference draw and refill the grid.
  virtual void CalcolaTabellone(int riferimento) = 0;
  // The date of a draw ("5.1.1999") from the data the board is computed on.
  virtual QString DataEstrazione(int d) const = 0;
  // The detail lines of a body cell (grid row and column), nothing when it
  // has none.
  virtual std::optional<QStringList> Dettagli(int riga, int colonna) const;
  // The grid's left edge in twips for a given inner width.
  virtual int MargineSinistro(int larghezzaInterna) const;

  // Writes the header line for the reference draw.
  void ScriviIntestazione();
  // Sets up the header rows of the analytic boards: 51 columns, the wheel
  // names over their five columns (merged), positions "1".."5" in row 1.
  void IntestazioneAnalitica();
  // Refills the body rows (from row 2): `righe` rows (at least one row stays),
  // column 0 the row value, the other columns from `testo`; every body cell
  // of columns 1.. is centred and takes the colour of its wheel
  // ruotaColonna[c] (odd wheels light cyan, even light yellow). Keeps the
  // scroll position when the grid still has that row.
  void RiempiGriglia(int righe, const std::vector<int>& ruotaColonna,
                     const std::function<QString(int riga, int colonna)>& testo);

  void resizeEvent(QResizeEvent* e) override;

  MDIForm1& mPrincipale;
  Stato& mStato;

 private:
  void posiziona();
};
