#include "archive/grigliaciclometrica.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/ciclometria.h"
#include "core/stato.h"
#include "ui/Colori.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

namespace {

constexpr unsigned int kVerdeChiaro = 0xC0FFC0;
constexpr unsigned int kBianco = 0xFFFFFF;
constexpr int kAltezzaRiga = 285;  // twips
const char* const kIntestazioni[] = {"I-II", "I-III", "I-IV", "I-V", "II-III", "II-IV", "II-V", "III-IV", "III-V", "IV-V"};
const char* const kSigle[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE"};

}  // namespace

grigliaciclometrica::grigliaciclometrica(const Stato& s, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("grigliaciclometrica"));
  ui::Nomina(this, QStringLiteral("grigliaciclometrica"));
  const Estrazioni::TipoGriglia tipo = Estrazioni::TipoGrigliaDa(s.TipoGriglia);
  Label1 = new QLabel(tipo == Estrazioni::TipoGriglia::Distanze ? QStringLiteral("Distanze:") : QStringLiteral("Somme:"));
  evidenzia = new QComboBox;
  evidenzia->setObjectName(QStringLiteral("evidenzia"));
  evidenzia->setEditable(true);
  // A typed value is looked for, never added to the list.
  evidenzia->setInsertPolicy(QComboBox::NoInsert);
  Command1 = new QPushButton(QStringLiteral("Evidenzia"));
  Command2 = new QPushButton(QStringLiteral("Esci"));
  ana = new ui::Griglia;
  ana->setObjectName(QStringLiteral("ana"));
  ana->setAccessibleName(Label1->text().chopped(1));
  Label1->setBuddy(evidenzia);
  ana->setRows(11);
  ana->setCols(11);
  ana->setFixedRows(1);
  ana->setFixedCols(1);
  ana->setBackColor(ui::Colore(kVerdeChiaro));
  ana->setForeColor(ui::Colore(0xFF));
  ana->setBackColorFixed(ui::Colore(0xC000));
  ana->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ana->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // Form_Load: headings, the values and the list of the distinct values.
  const Estrazioni::GrigliaCiclometrica g = Estrazioni::CalcolaGriglia(s.ArchivioEstrazioni, s.EstrSelezionata, tipo);
  for (int c = 0; c <= 10; ++c) ana->setColWidth(c, 550);
  for (int r = 0; r <= 10; ++r) ana->setRowHeight(r, kAltezzaRiga);
  for (int k = 1; k <= 10; ++k) {
    ana->setTextMatrix(0, k, QString::fromLatin1(kIntestazioni[k - 1]));
    ana->setTextMatrix(k, 0, QString::fromLatin1(kSigle[k - 1]));
  }
  for (int w = 1; w <= 10; ++w)
    for (int k = 1; k <= 10; ++k) {
      const int v = g.valori[w - 1][k - 1];
      ana->setTextMatrix(w, k, v > 0 ? QString::number(v) : QString());
    }
  for (int v : g.distinti) evidenzia->addItem(QString::number(v));
  if (evidenzia->count() > 0) evidenzia->setCurrentIndex(0);

  connect(evidenzia, &QComboBox::activated, this, &grigliaciclometrica::evidenzia_Click);
  connect(ana, &ui::Griglia::dblClick, this, &grigliaciclometrica::ana_DblClick);
  connect(Command2, &QPushButton::clicked, this, &grigliaciclometrica::Command2_Click);

  auto* riga = new QHBoxLayout;
  riga->addWidget(Label1);
  riga->addWidget(evidenzia, 1);
  riga->addWidget(Command1);
  riga->addWidget(Command2);
  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(ana, 1);
  colonna->addLayout(riga);
  ana->setMinimumSize(11 * ui::Pixel(550) + 2 * ana->frameWidth(), 11 * ui::Pixel(kAltezzaRiga) + 2 * ana->frameWidth());
}

void grigliaciclometrica::evidenzia_Click() {
  // Only values 1..90 are in the table; empty cells and the headings never match.
  const long long cercato = ui::NumeroIniziale(evidenzia->currentText());
  ana->setRedraw(false);
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 10; ++c) {
      const bool uguale = cercato > 0 && ui::NumeroIniziale(ana->textMatrix(r, c)) == cercato;
      ana->setCellBackColor(r, c, ui::Colore(uguale ? kBianco : kVerdeChiaro));
    }
  ana->setRedraw(true);
}

void grigliaciclometrica::ana_DblClick() {
  if (ana->mouseRow() < 1 || ana->mouseCol() < 1) return;
  evidenzia->setCurrentText(QString::number(ui::NumeroIniziale(ana->textMatrix(ana->row(), ana->col()))));
  evidenzia_Click();
}

void grigliaciclometrica::Command2_Click() { reject(); }
