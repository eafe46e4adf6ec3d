#include "forecast/AAM.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/indici.h"
#include "core/nomi.h"
#include "ui/Clessidra.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Testo.h"

namespace am = AttesaMinima;

namespace {

constexpr int kRigheAna = 10;
constexpr int kColonneAno = 5;
// Background of the body rows of `ana`: places, combination, sortes.
constexpr unsigned kCiano = 0xFFFF00;
constexpr unsigned kVerde = 0xFF00;
constexpr unsigned kRosaChiaro = 0x8080FF;

QPushButton* Pulsante(const char* nome, const char* testo) {
  auto* b = new QPushButton(QString::fromUtf8(testo));
  b->setObjectName(QString::fromLatin1(nome));
  return b;
}

}  // namespace

AAM::AAM(const ui::Contesto& contesto, QWidget* parent)
    : QWidget(parent), mStato(contesto.stato()) {
  setObjectName(QStringLiteral("AAM"));
  setProperty("argomentoAiuto", 50020);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("Ambate ad Attesa Minima"));
  ui::Finestre::ImpostaDimensioni(this, 11600, 6465);
  creaControlli();
  Intesta_Griglie();
  EstrInizio = mStato.EstrInizio;
  EstrFine = mStato.EstrFine;
  Mostra_Periodo();
}

void AAM::creaControlli() {
  ana = new ui::Griglia;
  ana->setObjectName(QStringLiteral("ana"));
  ana->setAccessibleName(QStringLiteral("Ambate"));
  ana->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Ano = new ui::Griglia;
  Ano->setObjectName(QStringLiteral("Ano"));
  Ano->setAccessibleName(QStringLiteral("Segnalazioni"));
  Ano->setCols(kColonneAno);
  Ano->setRows(2);
  Ano->setFixedRows(1);
  Ano->setFixedCols(0);
  Ano->hide();

  CmdElab = Pulsante("CmdElab", "&Elabora");
  CmdAggiorna = Pulsante("CmdAggiorna", "&Aggiorna");
  CmdEsci = Pulsante("CmdEsci", "E&sci");
  PBar = new QProgressBar;
  PBar->setObjectName(QStringLiteral("PBar"));
  PBar->setRange(0, 120);
  PBar->setTextVisible(false);
  PBar->hide();
  LbPeriodo = new QLabel;
  LbPeriodo->setObjectName(QStringLiteral("LbPeriodo"));
  StBar = new QStatusBar;
  StBar->setObjectName(QStringLiteral("StBar"));
  StBar->setSizeGripEnabled(false);
  Panel1 = new QLabel;
  StBar->addWidget(Panel1, 1);

  auto* comandi = new QVBoxLayout;
  comandi->addWidget(CmdElab);
  comandi->addWidget(CmdAggiorna);
  comandi->addWidget(CmdEsci);
  comandi->addStretch();
  comandi->addWidget(PBar);
  auto* sotto = new QGridLayout;
  sotto->addWidget(LbPeriodo, 0, 0);
  sotto->addWidget(Ano, 1, 0);
  sotto->addLayout(comandi, 0, 1, 2, 1);
  sotto->setColumnStretch(0, 1);
  sotto->setRowStretch(1, 1);
  auto* finestra = new QVBoxLayout(this);
  finestra->setContentsMargins(4, 4, 4, 0);
  finestra->addWidget(ana);
  finestra->addLayout(sotto, 1);
  finestra->addWidget(StBar);

  connect(CmdElab, &QPushButton::clicked, this, &AAM::CmdElab_Click);
  connect(CmdAggiorna, &QPushButton::clicked, this, &AAM::CmdAggiorna_Click);
  connect(CmdEsci, &QPushButton::clicked, this, &AAM::CmdEsci_Click);
}

void AAM::Intesta_Griglie() {
  ana->setRows(kRigheAna);
  ana->setCols(11);
  ana->setFixedRows(1);
  ana->setFixedCols(1);
  ana->setColAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
  ana->setColWidth(0, 1100);
  for (int c = 1; c <= 10; ++c) {
    ana->setColAlignment(c, Qt::AlignCenter);
    ana->setTextMatrix(0, c, ui::Q(Inizio::NomiRuote[c]));
    ana->setColWidth(c, 1500);
    ana->setCellAlignment(0, c, Qt::AlignCenter);
  }
  for (int r = 1; r < kRigheAna; ++r)
    for (int c = 0; c <= 10; ++c) {
      ana->setCellAlignment(r, c, Qt::AlignCenter);
      if (c > 0)
        ana->setCellBackColor(r, c, ui::Colore(r <= 3 ? kCiano : r == 4 ? kVerde : kRosaChiaro));
    }
  static const char* const kEtichette[] = {"1",    "2",     "3",        "Combinazione", "Ambata",
                                           "Ambo", "Terno", "Quaterna", "Cinquina"};
  for (int r = 1; r < kRigheAna; ++r)
    ana->setTextMatrix(r, 0, QString::fromLatin1(kEtichette[r - 1]));
  // Designed for a smaller font: a text wider than its column widens it.
  ana->allargaColonne();
  // Exactly as tall as its rows and the horizontal scroll bar.
  int alto = 2 * ana->frameWidth() + ana->horizontalScrollBar()->sizeHint().height();
  for (int r = 0; r < kRigheAna; ++r) alto += ui::Pixel(ana->rowHeight(r));
  ana->setFixedHeight(alto);
}

QString AAM::Periodo() const {
  return ui::Q(Inizio::Descrivi_Periodo(mStato.ArchivioEstrazioni, EstrInizio, EstrFine));
}

void AAM::Mostra_Periodo() { Panel1->setText(Periodo()); }

bool AAM::prendiRange() {
  if (mStato.EstrInizio == EstrInizio && mStato.EstrFine == EstrFine) return false;
  EstrInizio = mStato.EstrInizio;
  EstrFine = mStato.EstrFine;
  Mostra_Periodo();
  return true;
}

void AAM::CmdAggiorna_Click() {
  if (prendiRange()) elabora();
}

void AAM::CmdElab_Click() {
  prendiRange();
  elabora();
}

void AAM::elabora() {
  ui::Clessidra clessidra;
  Ano->hide();
  ana->hide();
  ana->clear();
  Intesta_Griglie();
  ana->show();
  LbPeriodo->setText(Periodo());
  PBar->setValue(0);
  PBar->show();
  const am::Elaborazione e = am::Elabora(mStato.ArchivioEstrazioni, EstrInizio, EstrFine,
                                         [this](int v) { PBar->setValue(v); });
  ana->setRedraw(false);
  for (int r = 1; r < kRigheAna; ++r)
    for (int w = 1; w <= 10; ++w) ana->setTextMatrix(r, w, ui::Q(e.celle[r][w]));
  ana->allargaColonne();
  ana->setRedraw(true);
  riempiAllarmi(e.allarmi);
  Ano->show();
  PBar->hide();
  // The figures widened the columns: the window grows to show them where it can.
  ui::Finestre::Adatta(this);
}

void AAM::riempiAllarmi(const std::vector<am::Allarme>& allarmi) {
  Ano->setRedraw(false);
  // Clearing resets texts and colours, so no row keeps a former alert's red.
  Ano->clear();
  Ano->setRows(2);
  static const int kLarghezze[kColonneAno] = {1000, 800, 800, 800, 1600};
  static const char* const kTitoli[kColonneAno] = {"Formazione", "Storico", "Attuale", "", ""};
  for (int c = 0; c < kColonneAno; ++c) {
    Ano->setColWidth(c, kLarghezze[c]);
    Ano->setCellAlignment(0, c, Qt::AlignCenter);
    Ano->setTextMatrix(0, c, QString::fromLatin1(kTitoli[c]));
  }
  int riga = 0;
  for (const am::Allarme& al : allarmi) {
    if (++riga > 1) Ano->addItem();
    for (int c = 0; c < kColonneAno; ++c) {
      Ano->setCellAlignment(riga, c, Qt::AlignCenter);
      Ano->setTextMatrix(riga, c, ui::Q(al.celle[c]));
      if (al.sfuggita) {
        Ano->setCellBackColor(riga, c, ui::Colore(0xFF));
        Ano->setCellForeColor(riga, c, ui::Colore(0xFFFFFF));
      }
    }
  }
  Ano->allargaColonne();
  Ano->setRedraw(true);
}

void AAM::CmdEsci_Click() { ui::Finestre::Chiudi(this); }
