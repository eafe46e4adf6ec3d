// TelaioTabellone: the frame the delay boards share. The reference draw sits
// on a scroll bar within the range the window took from the range bar; two
// buttons jump to the first and the last draw of that range; "&Aggiorna"
// takes over a range changed since; a header line shows the number and the
// date of the reference draw; the grid is refilled for every reference draw,
// keeping its scroll position; a click on a cell can show its details in the
// main window's popup.
//
// A board derives from it and provides the computation (CalcolaTabellone),
// the date of a draw from its own copy of the data, and the cell details. A
// window that arranges the frame's controls its own way (the per-wheel table)
// moves them out of the band `Fascia` and overrides Disponi.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "boards/tabellone_analitico.h"
#include "ui/Contesto.h"

class QLabel;
class QPushButton;
class QRadioButton;
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

  // A header label of the reference draw: red bold text on white.
  static QLabel* EtichettaEvidenziata();

  // Handlers of the frame.
  void Sli_Change();
  void Sli_Scroll(int posizione);
  void CmdEst_Click(int Index);
  void CmdAggiorna_Click();
  void ana_Click();

 protected:
  TelaioTabellone(const ui::Contesto& contesto, QWidget* parent = nullptr);

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
  // Places the band of the frame's controls and the grid for the window's
  // inner size: the band over the top 615 twips (from the left edge), the
  // grid below it (the whole height when the window is no taller).
  virtual void Disponi();

  // An option button whose selection (by the user or from code) runs
  // `gestore`; the handler does not run when it is deselected.
  QRadioButton* Opzione(const QString& nome, const QString& testo, const std::function<void()>& gestore);
  // Shows an option as selected without running its handler.
  static void Seleziona(QRadioButton* opzione);

  // Reports why the window cannot show its data (critical box) and closes it
  // once control is back in the event loop.
  void Rinuncia(const std::string& motivo);

  // Writes the header line for the reference draw.
  void ScriviIntestazione();
  // Sets up the header rows of the analytic boards: 51 columns, the wheel
  // names over their five columns (merged), positions "1".."5" in row 1.
  void IntestazioneAnalitica();
  // Refills the body rows (from row 2): `righe` rows (at least one row stays),
  // column 0 the row value, the other columns from `testo`; every body cell
  // of columns 1.. is centred and takes the colour of its wheel
  // ruotaColonna[c] (odd wheels light cyan, even light yellow). Keeps the
  // scroll position when the grid still has that row. `intestazione`, when
  // given, rebuilds the header and the columns after the scroll position is
  // saved and before the rows are written.
  void RiempiGriglia(int righe, const std::vector<int>& ruotaColonna,
                     const std::function<QString(int riga, int colonna)>& testo,
                     const std::function<void()>& intestazione = {});
  // Refills the grid of an analytic board (IntestazioneAnalitica) with the
  // rows of `t`.
  void RiempiAnalitico(const Tabelloni::Tabellone& t);
  // The date of draw d of an image ("5.1.1999"); empty outside 1..5000.
  static QString DataDi(const Archivio& immagine, int d);

  void resizeEvent(QResizeEvent* e) override;
  // The band of the frame's controls over the whole grid, as Disponi places them.
  QSize sizeHint() const override;

  ui::Contesto mContesto;
  Stato& mStato;
  // The band that holds the header line, the scroll bar and the buttons.
  QWidget* Fascia = nullptr;
};
