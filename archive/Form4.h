// Form4: the report of repetitions and special events of the draw shown in
// the archive editor (EstrSelezionata), one line per grid row. A modal view,
// built anew at each opening; a double click on the grid closes it.
#pragma once

#include <QDialog>

struct Stato;

namespace ui {
class Griglia;
}

class Form4 : public QDialog {
  Q_OBJECT

 public:
  Form4(const Stato& s, QWidget* parent = nullptr);

  void ana_DblClick();

  ui::Griglia* ana = nullptr;
};
