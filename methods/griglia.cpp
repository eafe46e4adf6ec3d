#include "methods/griglia.h"

#include <QVBoxLayout>

#include "core/stato.h"
#include "ui/Colori.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

namespace {

constexpr int kRighe = 9;
constexpr int kColonne = 10;
constexpr int kLarghezzaColonna = 350;  // twips
constexpr int kAltezzaRiga = 285;       // twips

}  // namespace

griglia::griglia(Stato& stato, QWidget* parent) : QDialog(parent), mStato(stato) {
  setObjectName(QStringLiteral("griglia"));
  ui::Nomina(this, QStringLiteral("griglia"));
  ana = new ui::Griglia;
  ana->setObjectName(QStringLiteral("ana"));
  ana->setAccessibleName(QStringLiteral("Numeri"));
  ana->setRows(kRighe);
  ana->setCols(kColonne);
  ana->setFixedRows(0);
  ana->setFixedCols(0);
  ana->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ana->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Form_Load: 1 to 90 row by row, the last cell showing 0.
  for (int c = 0; c < kColonne; ++c) ana->setColWidth(c, kLarghezzaColonna);
  for (int r = 0; r < kRighe; ++r) {
    ana->setRowHeight(r, kAltezzaRiga);
    for (int c = 0; c < kColonne; ++c) ana->setTextMatrix(r, c, QString::number(r * 10 + c + 1));
  }
  ana->setTextMatrix(kRighe - 1, kColonne - 1, QStringLiteral("0"));
  ana->setFixedSize(kColonne * ui::Pixel(kLarghezzaColonna) + 2 * ana->frameWidth(),
                    kRighe * ui::Pixel(kAltezzaRiga) + 2 * ana->frameWidth());
  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(ana);
  colonna->setSizeConstraint(QLayout::SetFixedSize);
  connect(ana, &ui::Griglia::click, this, &griglia::ana_Click);
}

void griglia::ana_Click() {
  const int n = ana->row() * kColonne + ana->col() + 1;
  mStato.NumeroGriglia = n == 90 ? 0 : n;
  accept();
}
