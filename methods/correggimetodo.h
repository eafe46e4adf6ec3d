// correggimetodo: the method-line corrector, a modal window over the Lotto
// method tester. It reads one Pronostico line from the hand-off file, shows
// its sorte, its calculation-draw code and one row of four lists per term
// (position, wheel, sign, fixed number), and on "Correggi riga" checks the
// rows, rebuilds the line, writes it back to the same file and closes.
// Closed any other way it leaves the file as it found it.
#pragma once

#include <QDialog>
#include <filesystem>
#include <map>

#include "methods/correzione.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class correggimetodo : public QDialog {
  Q_OBJECT

 public:
  // `riporto`: the hand-off file (riporto.txt in the program folder).
  explicit correggimetodo(std::filesystem::path riporto, QWidget* parent = nullptr);

  void correggi_Click();

  // The rows as the lists show them now.
  metodi::Correzione Righe() const;

  QComboBox* sorte = nullptr;
  QComboBox* im = nullptr;
  QLineEdit* campo = nullptr;  // the line as read; hidden
  std::map<int, QComboBox*> estra;  // 1..10
  std::map<int, QComboBox*> ruota;
  std::map<int, QComboBox*> operatore;
  std::map<int, QComboBox*> fisso;
  QPushButton* correggi = nullptr;

 private:
  void Form_Load();
  // Selects a text, adding it to the list first when the list lacks it.
  static void Mostra(QComboBox* lista, const std::string& testo);

  std::filesystem::path mRiporto;
  // Which rows continue the Elemento of the row before (as read).
  std::array<bool, metodi::kRigheCorrezione> mUnite{};
};
