// MetodiD: the method detector window. The user chooses a wheel, an extract
// position and a target month; "&Elabora Previsioni" searches the twelve
// months before it for the best fixed additions (an ambata pair and an ambo
// sestina) and shows the report; the report can be saved or printed, and the
// method found saved as a ".mdd" or ".mtd" file in Detector_Files. A list
// shows the methods saved earlier for the wheel before the target month.
//
// The detector works on the whole archive, not on the range bar's range, and
// hides the range bar while it is the active window. Saving a method writes
// the last run's own wheel, position, month and additions, whatever the
// controls show meanwhile.
#pragma once

#include <QWidget>
#include <map>
#include <optional>

#include "forecast/detector.h"
#include "ui/Contesto.h"

class QComboBox;
class QGroupBox;
class QLabel;
namespace ui { class PannelloTesto; }
class QPushButton;
class QRadioButton;
class QStatusBar;
struct Stato;

class MetodiD : public QWidget {
  Q_OBJECT

 public:
  explicit MetodiD(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // Window variables.
  int UltimaEstrazione = 0;   // the last draw of the archive
  int PosizioneEstratto = 5;  // 1..5
  int MostraTempi = 0;        // -1: the run ends with a box of its times

  // The last run, as saved by "Salva &Metodo" and "Crea &Mtd".
  const std::optional<Detector::Rilevamento>& rilevamento() const { return mRilevamento; }

  // Controls, by their design names.
  QGroupBox* Frame1 = nullptr;
  std::map<int, QComboBox*> CmbMese;  // element 0
  std::map<int, QComboBox*> CmbAnno;  // element 0
  QGroupBox* Frame4 = nullptr;
  std::map<int, QRadioButton*> OptRuota;  // 1..11 (11 "TUTTE" hidden)
  QGroupBox* Frame2 = nullptr;
  std::map<int, QRadioButton*> OptEstratto;  // 1..5
  QGroupBox* Frame6 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QComboBox* CmbMdd = nullptr;
  ui::PannelloTesto* Tx = nullptr;
  std::map<int, QPushButton*> Cmd;  // 0..5
  QStatusBar* StBar = nullptr;
  QLabel* Panel1 = nullptr;

  // Handlers.
  void CmbMese_Click(int Index);
  void CmbAnno_Click(int Index);
  void OptRuota_Click(int Index);
  void OptEstratto_Click(int Index);
  void Cmd_Click(int Index);
  // Ctrl+Alt+T (KeyCode 84, Shift 6) switches the timing box on or off.
  void Form_KeyDown(int KeyCode, int Shift);

  void Elabora_Previsioni();
  void Salva_Metodo(const char* estensione);
  void Elenca_Metodi();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void creaControlli();
  // The first of OptRuota 1..10 that is selected.
  int ruota() const;
  // The month limit: the last year cannot show a month after the last draw's.
  void limitaMese();
  // The report of the last run: saved under the title (save dialog), printed.
  void salvaOutput();
  void stampaOutput();

  ui::Contesto mContesto;
  Stato& mStato;
  std::optional<Detector::Rilevamento> mRilevamento;
};
