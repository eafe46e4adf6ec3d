#include "archive/Form4.h"

#include <QVBoxLayout>
#include <algorithm>

#include "archive/analisi_estrazione.h"
#include "core/stato.h"
#include "ui/Colori.h"
#include "ui/Font.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

namespace {
constexpr int kRigheMinime = 30;
}

Form4::Form4(const Stato& s, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form4"));
  ui::Nomina(this, QStringLiteral("Analisi dell'estrazione visualizzata"));
  ana = new ui::Griglia;
  ana->setObjectName(QStringLiteral("ana"));
  ana->setAccessibleName(ui::Nome(this));
  ana->setFont(ui::FontRapporto());
  ana->setBackColor(ui::Colore(0xFFFFFF));
  ana->setForeColor(ui::Colore(0x800000));
  // Form_Load: the whole report, one line per row; the grid grows to hold it.
  const std::vector<std::string> righe = Estrazioni::AnalisiEstrazione(s.ArchivioEstrazioni, s.EstrSelezionata);
  ana->setRows(std::max(kRigheMinime, static_cast<int>(righe.size())));
  ana->setCols(1);
  ana->setFixedRows(0);
  ana->setFixedCols(0);
  ana->setColWidth(0, 7000);
  for (int r = 0; r < static_cast<int>(righe.size()); ++r) ana->setTextMatrix(r, 0, ui::Q(righe[r]));
  connect(ana, &ui::Griglia::dblClick, this, &Form4::ana_DblClick);
  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(ana);
  resize(ui::Pixel(7000) + 40, 480);
}

void Form4::ana_DblClick() { accept(); }
