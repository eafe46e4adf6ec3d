#include "stats/StatGRit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <algorithm>

#include "core/indici.h"
#include "core/nomi.h"
#include "ui/Clessidra.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace gr = GruppiRitardo;

namespace {

constexpr int kRigheIntestazione = 2;
constexpr int kColonne = 1 + 10 * gr::kNumeriGruppo;

}  // namespace

StatGRit::StatGRit(const ui::Contesto& contesto, QWidget* parent) : TelaioStatistiche(contesto, parent) {
  setObjectName(QStringLiteral("StatGRit"));
  setProperty("argomentoAiuto", 60010);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("RSC (Ritardi Statistico-Cabalistici) - Statistiche Gruppi Ritardo"));
  creaControlli();
  Dimensiona(11835, 7155);

  CheckTutte->setChecked(true);  // applies its state through the handler
  ComboRit->setCurrentIndex(0);
  EstrUltima = Rsc::UltimaEstrRSC(mStato.TabelleRSC);
  if (EstrUltima == 0) {
    ui::Finestre::Rinuncia(this, QStringLiteral("Gli archivi RSC non contengono estrazioni !"));
    return;
  }
  EstrRiferimento = EstrUltima;
  Calcola_Ritardi_RSC();
  Crea_Gruppi_Ritardo();
  EstrFine = EstrUltima;
  EstrInizio = 1;
  DataLb = Inizio::DataBreve(mStato.TabelleRSC[0], EstrRiferimento);
  LbData->setText(ui::Q(DataLb));
  TxtEstr[1]->setText(QString::number(EstrUltima));
  Mostra_Periodo();
}

void StatGRit::creaControlli() {
  ana = new ui::Griglia;
  ana->setObjectName(QStringLiteral("ana"));
  ana->setAccessibleName(QStringLiteral("Gruppi Ritardo"));
  QFont piccolo = ana->font();
  piccolo.setPointSize(7);
  ana->setFont(piccolo);
  ana->setRows(kRigheIntestazione + gr::kGruppi);
  ana->setCols(kColonne);
  ana->setFixedRows(kRigheIntestazione);
  ana->setFixedCols(1);
  const QFontMetrics metrica(piccolo);
  ana->setColWidth(0, ui::Twip(metrica.horizontalAdvance(QStringLiteral("85  -  90")) + 8));
  for (int c = 1; c < kColonne; ++c)
    ana->setColWidth(c, ui::Twip(metrica.horizontalAdvance(QStringLiteral("00")) + 6));
  for (int r = 0; r < ana->rows(); ++r) ana->setRowHeight(r, ui::Twip(metrica.height() + 2));
  int larghezza = 2 * ana->frameWidth(), altezza = 2 * ana->frameWidth();
  for (int c = 0; c < kColonne; ++c) larghezza += ui::Pixel(ana->colWidth(c));
  for (int r = 0; r < ana->rows(); ++r) altezza += ui::Pixel(ana->rowHeight(r));
  // Exactly as large as its cells: the whole table is always in view.
  ana->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ana->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ana->setFixedSize(larghezza, altezza);
  mCima = new QHBoxLayout;
  mCima->addWidget(ana, 0, Qt::AlignTop);
  mCima->addStretch();
  Sopra->addLayout(mCima);

  // The reference draw and the group.
  Frame4 = new QGroupBox;
  Frame4->setObjectName(QStringLiteral("Frame4"));
  Label1 = new QLabel(QStringLiteral("    Situazione all'estrazione del"));
  LbData = new QLabel;
  LbData->setObjectName(QStringLiteral("LbData"));
  QFont grassetto = LbData->font();
  grassetto.setBold(true);
  LbData->setFont(grassetto);
  LbData->setMinimumWidth(LbData->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")) + 8);
  auto* riferimento = new QHBoxLayout(Frame4);
  riferimento->addWidget(Label1);
  riferimento->addWidget(LbData);
  const char* const passi[] = {"<", ">", "ULTIMA"};
  for (int i = 0; i <= 2; ++i) {
    auto* b = new QPushButton(QString::fromLatin1(passi[i]));
    b->setObjectName(QStringLiteral("CmdEst%1").arg(i));
    if (i < 2) {
      b->setToolTip(i == 0 ? QStringLiteral("Estrazione precedente") : QStringLiteral("Estrazione successiva"));
      b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 16);
    }
    CmdEst[i] = b;
    riferimento->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, i] { CmdEst_Click(i); });
  }
  Label3 = new QLabel(QStringLiteral("Gruppo Ritardi"));
  ComboRit = new QComboBox;
  ComboRit->setObjectName(QStringLiteral("ComboRit"));
  Label3->setBuddy(ComboRit);
  for (std::string_view v : gr::VociGruppi()) ComboRit->addItem(ui::Q(v));
  connect(ComboRit, &QComboBox::currentIndexChanged, this, &StatGRit::ComboRit_Click);
  auto* riga = new QHBoxLayout;
  riga->addWidget(Frame4);
  riga->addSpacing(12);
  riga->addWidget(Label3);
  riga->addWidget(ComboRit);
  riga->addStretch();
  Sopra->addLayout(riga);

  AggiungiSorte(1);  // "Ambo"

  // "Limiti Archivio": the start draw of the run.
  Frame6 = new QGroupBox(QStringLiteral("Limiti Archivio"));
  Frame6->setObjectName(QStringLiteral("Frame6"));
  CheckTutte = new QCheckBox(QStringLiteral("Tutte (a partire dal 5/1/1945 )"));
  CheckTutte->setObjectName(QStringLiteral("CheckTutte"));
  CheckInverso = new QCheckBox(QStringLiteral("Comincia da ultima (x pronostico semplice)"));
  CheckInverso->setObjectName(QStringLiteral("CheckInverso"));
  mLimiti = new QButtonGroup(this);
  auto* limiti = new QGridLayout(Frame6);
  limiti->setVerticalSpacing(2);
  limiti->addWidget(CheckTutte, 0, 0, 1, 4);
  const int cifre = fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 10;
  auto* soloCifre = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
  for (int i = 0; i <= 1; ++i) {
    OptEstr[i] = new QRadioButton(i == 0 ? QStringLiteral("Da Numero") : QStringLiteral("Da Data"));
    OptEstr[i]->setObjectName(QStringLiteral("OptEstr%1").arg(i));
    mLimiti->addButton(OptEstr[i], i);
    connect(OptEstr[i], &QRadioButton::toggled, this, [this, i](bool scelta) {
      if (scelta) OptEstr_Click(i);
    });
    TxtEstr[i] = new QLineEdit;
    TxtEstr[i]->setObjectName(QStringLiteral("TxtEstr%1").arg(i));
    TxtEstr[i]->setValidator(soloCifre);  // digits only, typed or pasted
    TxtEstr[i]->setFixedWidth(cifre);
    connect(TxtEstr[i], &QLineEdit::textChanged, this, [this, i] { TxtEstr_Change(i); });
    TxtData[i] = new QLineEdit;
    TxtData[i]->setObjectName(QStringLiteral("TxtData%1").arg(i));
    TxtData[i]->setMaxLength(10);
    TxtData[i]->setFixedWidth(cifre);
    connect(TxtData[i], &QLineEdit::textChanged, this, [this, i] { TxtData_Change(i); });
  }
  TxtEstr[0]->setText(QStringLiteral("1"));
  LbEstr[0] = new QLabel(QStringLiteral("a Numero"));
  LbEstr[1] = new QLabel(QStringLiteral("a Data"));
  // Each bound is read with its own caption, not the frame's title.
  TxtEstr[0]->setAccessibleName(OptEstr[0]->text());
  LbEstr[0]->setBuddy(TxtEstr[1]);
  TxtData[0]->setAccessibleName(OptEstr[1]->text());
  LbEstr[1]->setBuddy(TxtData[1]);
  limiti->addWidget(OptEstr[0], 1, 0);
  limiti->addWidget(TxtEstr[0], 1, 1);
  limiti->addWidget(LbEstr[0], 1, 2);
  limiti->addWidget(TxtEstr[1], 1, 3);
  limiti->addWidget(OptEstr[1], 2, 0);
  limiti->addWidget(TxtData[0], 2, 1);
  limiti->addWidget(LbEstr[1], 2, 2);
  limiti->addWidget(TxtData[1], 2, 3);
  limiti->addWidget(CheckInverso, 3, 0, 1, 4);
  limiti->setRowStretch(4, 1);
  OpzioniFinestra->addWidget(Frame6);
  connect(CheckTutte, &QCheckBox::toggled, this, &StatGRit::CheckTutte_Click);
}

void StatGRit::Calcola_Ritardi_RSC() {
  ui::Clessidra clessidra;
  for (int k = 1; k <= 5; ++k)
    Situazione.tabelle[k - 1] =
        gr::Calcola_Ritardi_RSC(mStato.ArchivioEstrazioni, mStato.TabelleRSC[k - 1], k, EstrRiferimento);
  DataRiferimento = Statistiche::DataTesto(mStato.TabelleRSC[0], EstrRiferimento);
}

void StatGRit::Crea_Gruppi_Ritardo() {
  Situazione.gruppi = gr::Crea_Gruppi_Ritardo(Situazione.tabelle);
  Riempi_Griglia_Gruppi();
}

void StatGRit::Riempi_Griglia_Gruppi() {
  ui::Clessidra clessidra;
  ana->setRedraw(false);
  ana->clear();
  ana->setRows(kRigheIntestazione + gr::kGruppi);
  ana->setColAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
  for (int c = 1; c < kColonne; ++c) ana->setColAlignment(c, Qt::AlignCenter);
  ana->setTextMatrix(1, 0, QStringLiteral("RIT"));
  for (int w = 1; w <= 10; ++w)
    for (int j = 1; j <= gr::kNumeriGruppo; ++j) {
      const int c = gr::kNumeriGruppo * (w - 1) + j;
      ana->setTextMatrix(0, c, ui::Q(Inizio::NomiRuote[w]));
      ana->setTextMatrix(1, c, QString::number(j));
    }
  ana->setMergeRow(0, true);
  static const QColor kDispari = ui::Colore(0xFFFF80), kPari = ui::Colore(0x80FFFF);
  for (int g = 1; g <= gr::kGruppi; ++g) {
    const int r = kRigheIntestazione + g - 1;
    ana->setTextMatrix(r, 0, ui::Q(gr::EtichettaGruppo(g)));
    for (int w = 1; w <= 10; ++w)
      for (int j = 1; j <= gr::kNumeriGruppo; ++j) {
        const int c = gr::kNumeriGruppo * (w - 1) + j;
        const int x = Situazione.gruppi[g][w][j];
        ana->setTextMatrix(r, c, x ? QString::number(x) : QString());
        ana->setCellBackColor(r, c, w % 2 == 1 ? kDispari : kPari);
      }
  }
  ana->setRedraw(true);
}

void StatGRit::Statistica_Gruppo() { Elabora(); }

Statistiche::Elaborazione StatGRit::Calcola() {
  gr::Opzioni o;
  o.gruppo = GruppoScelto;
  o.sorte = Sorte();
  o.ruote = RuoteScelte();
  o.inizio = EstrInizio;
  o.riferimento = EstrRiferimento;
  o.voceGruppo = ui::S(ComboRit->currentText());
  return gr::Statistica_Gruppo(mStato.ArchivioEstrazioni, Situazione.gruppi, o);
}

std::vector<std::string> StatGRit::ControlliAggiuntivi() {
  gr::Periodo p;
  p.tutte = CheckTutte->isChecked();
  if (p.tutte) {
    scegliLimite(-1);
  } else if (!OptEstr[0]->isChecked() && !OptEstr[1]->isChecked()) {
    OptEstr[0]->setChecked(true);  // runs its handler
  }
  p.limite = OptEstr[0]->isChecked()   ? gr::Limite::DaNumero
             : OptEstr[1]->isChecked() ? gr::Limite::DaData
                                       : gr::Limite::Nessuno;
  p.numeroInizio = numero(0);
  p.numeroFine = numero(1);
  p.data = TxtData[0]->text().toLatin1().toStdString();  // one byte per character
  gr::EsitoPeriodo e = gr::ControllaPeriodo(mStato.TabelleRSC[0], p, EstrRiferimento);
  if (e.messaggi.empty() && e.inizio != EstrInizio) {
    EstrInizio = e.inizio;
    Mostra_Periodo();
  }
  return std::move(e.messaggi);
}

void StatGRit::CmdEst_Click(int Index) {
  int nuovo = EstrRiferimento;
  if (Index == 0 || Index == 1) {
    const bool capolinea = Index == 0 ? EstrRiferimento <= 1 : EstrRiferimento >= EstrUltima;
    if (capolinea) {
      ui::Msg(this, ui::Q(gr::kCapolinea));
      return;
    }
    nuovo += Index == 0 ? -1 : 1;
  } else {
    if (EstrRiferimento == EstrUltima) return;
    nuovo = EstrUltima;
  }
  EstrRiferimento = nuovo;
  Calcola_Ritardi_RSC();
  Crea_Gruppi_Ritardo();
  DataLb = Inizio::DataBreve(mStato.TabelleRSC[0], EstrRiferimento);
  LbData->setText(ui::Q(DataLb));
  SvuotaRisultati();
  EstrFine = EstrRiferimento;
  Mostra_Periodo();
}

void StatGRit::ComboRit_Click() { GruppoScelto = ComboRit->currentIndex() + 1; }

void StatGRit::CheckTutte_Click() {
  const bool tutte = CheckTutte->isChecked();
  if (tutte) {
    scegliLimite(-1);
    // The run starts at draw 1: the caption says so at once.
    EstrInizio = 1;
  }
  for (int i = 0; i <= 1; ++i) {
    OptEstr[i]->setEnabled(!tutte);
    if (tutte) {
      TxtEstr[i]->setEnabled(false);
      TxtData[i]->setEnabled(false);
      LbEstr[i]->setEnabled(false);
    }
  }
  if (tutte) Mostra_Periodo();
}

void StatGRit::OptEstr_Click(int Index) {
  const bool numero = Index == 0;
  for (int i = 0; i <= 1; ++i) {
    TxtEstr[i]->setEnabled(numero);
    TxtData[i]->setEnabled(!numero);
  }
  LbEstr[0]->setEnabled(numero);
  LbEstr[1]->setEnabled(!numero);
  if (numero) {
    TxtEstr[0]->setFocus();
    TxtEstr_Change(0);
  } else {
    TxtData[0]->setFocus();
    TxtData_Change(0);
  }
}

long long StatGRit::numero(int Index) const {
  return std::max(0LL, ui::NumeroIniziale(TxtEstr.at(Index)->text()));
}

void StatGRit::TxtEstr_Change(int Index) {
  if (Index == 0) EstrInizio = gr::InizioDaNumero(numero(0), EstrFine);
  Mostra_Periodo();
}

void StatGRit::TxtData_Change(int Index) {
  if (Index == 0) {
    ui::Clessidra clessidra;
    EstrInizio = gr::InizioDaData(mStato.TabelleRSC[0], TxtData[0]->text().toLatin1().toStdString(),
                                  EstrRiferimento);
  }
  Mostra_Periodo();
}

void StatGRit::Mostra_Periodo() {
  Panel1->setText(ui::Q(
      Statistiche::DidascaliaGruppi(mStato.TabelleRSC[0], EstrInizio, EstrFine, DataLb)));
}

void StatGRit::scegliLimite(int Index) {
  mLimiti->setExclusive(false);
  for (int i = 0; i <= 1; ++i) {
    const QSignalBlocker blocco(OptEstr[i]);
    OptEstr[i]->setChecked(i == Index);
  }
  mLimiti->setExclusive(true);
}
