#include "archive/Archivioesteso.h"

#include <QStyle>
#include <QVBoxLayout>

#include "archive/ultime_cento.h"
#include "core/stato.h"
#include "ui/Colori.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

namespace {
constexpr int kColonne = 50;
constexpr int kLarghezzaColonna = 250;  // twips
}  // namespace

Archivioesteso::Archivioesteso(const Stato& s, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Archivioesteso"));
  ui::Nomina(this, QStringLiteral("Archivio delle ultime 100 estrazioni"));
  GridArchivio = new ui::Griglia;
  GridArchivio->setObjectName(QStringLiteral("Archivioesteso"));
  GridArchivio->setAccessibleName(ui::Nome(this));
  QFont carattere(QStringLiteral("MS Sans Serif"));
  carattere.setStyleHint(QFont::SansSerif);
  carattere.setPointSize(7);
  GridArchivio->setFont(carattere);
  GridArchivio->setRows(Estrazioni::kRigheUltime + 1);
  GridArchivio->setCols(kColonne + 1);
  GridArchivio->setFixedRows(0);
  GridArchivio->setFixedCols(1);
  // Form_Load: row r holds the draw that ends r rows before the last one's row.
  GridArchivio->setRedraw(false);
  for (int c = 0; c <= kColonne; ++c) GridArchivio->setColWidth(c, kLarghezzaColonna);
  for (int r = 1; r <= Estrazioni::kRigheUltime; ++r) {
    const int d = Estrazioni::EstrazioneRiga(s.TotEstrazioni(), r);
    for (int j = 1; j <= kColonne; ++j)
      GridArchivio->setTextMatrix(r, j, ui::Q(Estrazioni::CellaUltime(s.ArchivioEstrazioni, d, j)));
  }
  GridArchivio->setRedraw(true);
  auto* colonna = new QVBoxLayout(this);
  colonna->setContentsMargins(0, 0, 0, 0);
  colonna->addWidget(GridArchivio);
  // Every column in view; the rows scroll.
  const int barra = GridArchivio->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  resize((kColonne + 1) * ui::Pixel(kLarghezzaColonna) + barra + 2 * GridArchivio->frameWidth() + 2, 560);
}

void Archivioesteso::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  GridArchivio->setRow(Estrazioni::kRigheUltime);
  GridArchivio->setTopRow(Estrazioni::kRigheUltime);
}
