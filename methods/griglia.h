// griglia: the number picker, a modal window over the method tester. Its
// grid shows the fixed numbers 1 to 89 row by row and 0 (standing for 90)
// in the last cell; a click stores the number in Stato::NumeroGriglia and
// closes the picker with Accepted. Closed any other way it changes nothing.
#pragma once

#include <QDialog>

struct Stato;

namespace ui {
class Griglia;
}

class griglia : public QDialog {
  Q_OBJECT

 public:
  // `stato` must outlive the window.
  explicit griglia(Stato& stato, QWidget* parent = nullptr);

  void ana_Click();

  ui::Griglia* ana = nullptr;

 private:
  Stato& mStato;
};
