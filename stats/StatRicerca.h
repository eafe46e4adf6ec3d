// StatRicerca: the analysis of number formations. Over the range chosen on
// the range bar, how often, where and when do at least the chosen sorte's
// count of numbers of one of the listed formations come out together on a
// ticked wheel? The event list, the detail panel, the report, printing and
// saving are the statistics frame's; the saved file holds the report alone.
//
// The user types formations (numbers joined by ".") under a key filter, or
// takes them from the table of number formations (TabFnum.txt in the program
// folder) through a drop-down list, and corrects, deletes or empties the list
// of formations to analyse.
#pragma once

#include <map>

#include "stats/TelaioStatistiche.h"

class QComboBox;
class QLineEdit;
class QListWidget;

class StatRicerca : public TelaioStatistiche {
  Q_OBJECT

 public:
  explicit StatRicerca(const ui::Contesto& contesto, QWidget* parent = nullptr);

  // The run: only when the list holds a formation.
  void Analisi_Formazioni();

  // The formation input and list.
  QLabel* Label1 = nullptr;
  QLineEdit* TxtFormazione = nullptr;
  std::map<int, QPushButton*> CmdAggiungi;  // 0 add the typed formation, 1 read the table
  QComboBox* CmbF = nullptr;                // the table's groups and formations
  QListWidget* ListFormazioni = nullptr;
  std::map<int, QPushButton*> CmdNum;       // 0 correct, 1 delete, 2 empty

  // Key filter of TxtFormazione: KeyAscii is the typed character (8
  // Backspace); 0 drops it.
  void TxtFormazione_KeyPress(int& KeyAscii);
  void CmdAggiungi_Click(int Index);
  // Checks a formation text; shows its faults in the "ERRORI !" box.
  bool Controlla_Numeri(const QString& testo);
  // A table entry chosen in CmbF (its index).
  void CmbF_Click(int indice);
  void CmdNum_Click(int Index);
  // The tooltip shows the whole item under the pointer (list coordinates).
  void ListFormazioni_MouseMove(const QPoint& punto);

 protected:
  void Avvia() override { Analisi_Formazioni(); }
  Statistiche::Elaborazione Calcola() override;
  std::vector<std::string> ControlliAggiuntivi() override;
  void PrimaDellaCorsa() override { CopiaRange(); }
  QString Intestazione() const override;
  QString NomeFile() const override { return QStringLiteral("FormazioneNumerica"); }
  bool FileConIntestazione() const override { return false; }
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  void creaControlli();
  std::vector<std::string> formazioni() const;
};
