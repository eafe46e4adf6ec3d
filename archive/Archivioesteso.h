// Archivioesteso: the last hundred draws of the archive, one draw per row and
// the fifty numbers across it (BARI positions 1..5, then CAGLIARI, ... up to
// VENEZIA). A modal view, built anew at each opening; it has no buttons.
#pragma once

#include <QDialog>

struct Stato;

namespace ui {
class Griglia;
}

class Archivioesteso : public QDialog {
  Q_OBJECT

 public:
  Archivioesteso(const Stato& s, QWidget* parent = nullptr);

  // The grid (in the design it carries the window's own name).
  ui::Griglia* GridArchivio = nullptr;

 protected:
  // Opens on the last draw, at the bottom: with fewer than a hundred draws
  // the first rows are empty.
  void showEvent(QShowEvent* e) override;
};
