// Extrazioni: the draw archive editor, a child window of the main window.
//
// View mode shows one draw at a time (the ten wheels, its date, its place in
// the archive, year and month, the SuperEnalotto column) and moves through
// the archive by scroll bar, draw list, year list, number and date; a double
// click on a number corrects it, and the shown draw can be deleted, printed to
// Stampa.txt or opened in the three views. Insert mode types (or pastes) a new
// draw into fifty number boxes and saves it. Every change rewrites
// archivio.dat at once or when the window closes, which then refreshes the
// indices, the range bar, the distance archives and every other tool.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "archive/CasellaTesto.h"
#include "core/archivio.h"
#include "ui/Contesto.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QStatusBar;
struct Stato;

namespace ui {
class CampoData;
class Griglia;
}

class Extrazioni : public QWidget {
  Q_OBJECT

 public:
  explicit Extrazioni(const ui::Contesto& contesto);

  // Shows draw n in the grid and the labels and records it as EstrSelezionata.
  // REQUIRES: 1 <= n <= TotEstrazioni
  void Visualizza_Estrazione(int n);

  // View mode.
  void Scroll_Change();
  void CmbData_Click();
  void CmbAnno_Click();
  void TxtVai_KeyPress(int Index, int& KeyAscii);
  void CmdVai_Click(int Index);
  void Command1_Click();
  void Command2_Click();
  void somme_Click();
  void visualizzagrigliaciclometrica_Click();
  void stampa_Click();

  // Insert mode.
  void CmdInserisci_Click();
  void CmdSalva_Click();
  void CmdIncolla_Click();
  void Est_KeyPress(int Index, int& KeyAscii);
  void Est_Change(int Index);
  void Est_Validate(int Index, bool& Cancel);
  void Est_GotFocus(int Index);
  void Est_LostFocus(int Index);

  // Correcting, deleting, leaving, closing.
  void GridEst_DblClick();
  void CmdElimina_Click();
  void CmdEsci_Click();
  // The close-time work. False refuses the close: archivio.dat could not be
  // written and the user kept the corrections that only memory holds; the
  // window stays, changed, and the next close writes them.
  bool Form_QueryUnload();

  // Window state.
  int EstrCorrente = 0;
  bool ArchivioVariato = false;
  bool EstFuoriRange = false;
  int UltimoEst = 0;

  // View-mode controls.
  ui::Griglia* GridEst = nullptr;
  QLabel* Label7 = nullptr;
  QScrollBar* Scroll = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* LbData = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* LbIndice = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* LbIndiceAnno = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* LbIndiceMese = nullptr;
  QLabel* LbSuper = nullptr;
  QStatusBar* StBar = nullptr;
  QLabel* StBarPanel1 = nullptr;  // panel 1 of StBar
  QGroupBox* Frame2 = nullptr;
  QComboBox* CmbData = nullptr;
  QComboBox* CmbAnno = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  std::array<CasellaTesto*, 2> TxtVai{};
  std::array<QPushButton*, 2> CmdVai{};
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* somme = nullptr;
  QPushButton* visualizzagrigliaciclometrica = nullptr;
  QPushButton* stampa = nullptr;
  QPushButton* CmdInserisci = nullptr;
  QPushButton* CmdElimina = nullptr;
  QPushButton* CmdEsci = nullptr;

  // Insert-mode controls.
  QGroupBox* Frame1 = nullptr;
  ui::CampoData* Giorni = nullptr;
  std::array<QLabel*, 10> LbRuota{};      // 0..9
  std::array<CasellaTesto*, 51> Est{};    // 1..50; Est[0] is unused
  QPushButton* CmdSalva = nullptr;
  QPushButton* CmdIncolla = nullptr;

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  bool rinunciaAlleCorrezioni(const std::string& motivo);
  void creaControlli();
  void creaPannello();
  void riempiListe();
  void mostraUltima();
  void modoVista(bool vista);
  void coloraCasella(int i, bool errata);
  std::optional<Estrazione> estrazioneDaSalvare();
  void vaiA(int d);
  Stato& stato();

  ui::Contesto mContesto;
  // The archive as the disk holds it, kept at the first correction that only
  // memory holds; none once a whole write took the corrections to disk.
  std::optional<Archivio> mSulDisco;
};
