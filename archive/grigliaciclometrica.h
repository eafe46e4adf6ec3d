// grigliaciclometrica: the cyclometric table of the draw shown in the archive
// editor (EstrSelezionata): per wheel and pair of positions the distance or
// the sum (TipoGriglia "d" or "s"), with the cells of one chosen value
// highlighted. A modal view, built anew at each opening.
#pragma once

#include <QDialog>

struct Stato;
class QComboBox;
class QLabel;
class QPushButton;

namespace ui {
class Griglia;
}

class grigliaciclometrica : public QDialog {
  Q_OBJECT

 public:
  grigliaciclometrica(const Stato& s, QWidget* parent = nullptr);

  // Whitens every cell whose value is the one in evidenzia.
  void evidenzia_Click();
  // Takes the value of the double-clicked cell into evidenzia and highlights.
  void ana_DblClick();
  void Command2_Click();

  ui::Griglia* ana = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* evidenzia = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
};
