#include "forecast/MetodiD.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTime>
#include <QVBoxLayout>
#include <algorithm>

#include "core/nomi.h"
#include "core/stato.h"
#include "ui/Clessidra.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Font.h"
#include "ui/PannelloTesto.h"
#include "ui/Rapporto.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

QString Ora() { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")); }

}  // namespace

MetodiD::MetodiD(const ui::Contesto& contesto, QWidget* parent)
    : QWidget(parent), mContesto(contesto), mStato(contesto.stato()) {
  setObjectName(QStringLiteral("MetodiD"));
  setProperty("argomentoAiuto", 50010);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("Method Detector"));
  ui::Finestre::NascondeLimiti(this);
  ui::Finestre::ImpostaDimensioni(this, 11805, 7200);
  creaControlli();

  const Archivio& a = mStato.ArchivioEstrazioni;
  UltimaEstrazione = a.ultimaEstrazione();
  {
    const QSignalBlocker bloccoMese(CmbMese[0]);
    const QSignalBlocker bloccoAnno(CmbAnno[0]);
    for (int m = 1; m <= 12; ++m) CmbMese[0]->addItem(ui::Q(Inizio::NomiMesi[m]));
    for (const std::string& voce : mStato.indici.AnniArchivio)
      CmbAnno[0]->addItem(ui::Q(voce.substr(0, 4)));
    CmbMese[0]->setCurrentIndex(a.mese(UltimaEstrazione) - 1);
    CmbAnno[0]->setCurrentIndex(CmbAnno[0]->count() - 1);
  }
  Panel1->setText(ui::Q(Detector::StatoArchivio(a, UltimaEstrazione)));
  PosizioneEstratto = 5;
  MostraTempi = 0;
  Elenca_Metodi();
}

void MetodiD::creaControlli() {
  Frame1 = new QGroupBox(QStringLiteral("Previsioni x il mese di"));
  Frame1->setObjectName(QStringLiteral("Frame1"));
  CmbMese[0] = new QComboBox;
  CmbMese[0]->setObjectName(QStringLiteral("CmbMese0"));
  CmbAnno[0] = new QComboBox;
  CmbAnno[0]->setObjectName(QStringLiteral("CmbAnno0"));
  auto* periodo = new QHBoxLayout(Frame1);
  periodo->addWidget(CmbMese[0], 1);
  periodo->addWidget(CmbAnno[0]);

  Frame4 = new QGroupBox(QStringLiteral("Ruota"));
  Frame4->setObjectName(QStringLiteral("Frame4"));
  auto* ruote = new QGridLayout(Frame4);
  for (int i = 1; i <= 11; ++i) {
    auto* o = new QRadioButton(i <= 10 ? ui::Q(Inizio::NomiRuote[i]) : QStringLiteral("TUTTE"));
    o->setObjectName(QStringLiteral("OptRuota%1").arg(i));
    o->setChecked(i == 1);
    OptRuota[i] = o;
    if (i <= 10) ruote->addWidget(o, (i - 1) % 5, (i - 1) / 5);
    connect(o, &QRadioButton::toggled, this, [this, i](bool scelta) {
      if (scelta) OptRuota_Click(i);
    });
  }
  // "TUTTE" belongs to the wheel options but can never be chosen.
  OptRuota[11]->setParent(Frame4);
  OptRuota[11]->hide();

  Frame2 = new QGroupBox(QStringLiteral("Estratto"));
  Frame2->setObjectName(QStringLiteral("Frame2"));
  auto* estratti = new QHBoxLayout(Frame2);
  for (int i = 1; i <= 5; ++i) {
    auto* o = new QRadioButton(QStringLiteral("%1°").arg(i));
    o->setObjectName(QStringLiteral("OptEstratto%1").arg(i));
    o->setChecked(i == 5);
    OptEstratto[i] = o;
    estratti->addWidget(o);
    connect(o, &QRadioButton::toggled, this, [this, i](bool scelta) {
      if (scelta) OptEstratto_Click(i);
    });
  }

  Frame3 = new QGroupBox(QStringLiteral("Carica Metodo Precedente"));
  Frame3->setObjectName(QStringLiteral("Frame3"));
  CmbMdd = new QComboBox;
  CmbMdd->setObjectName(QStringLiteral("CmbMdd"));
  (new QVBoxLayout(Frame3))->addWidget(CmbMdd);

  Frame6 = new QGroupBox(QStringLiteral("Opzioni"));
  Frame6->setObjectName(QStringLiteral("Frame6"));
  auto* comandi = new QGridLayout(Frame6);
  const char* const kTitoli[] = {"&Elabora Previsioni", "E&sci",    "Salva &Output", "&Stampa",
                                 "Salva &Metodo",       "Crea &Mtd"};
  for (int i = 0; i < 6; ++i) {
    auto* b = new QPushButton(QString::fromLatin1(kTitoli[i]));
    b->setObjectName(QStringLiteral("Cmd%1").arg(i));
    b->setEnabled(i < 2);
    Cmd[i] = b;
    comandi->addWidget(b, i / 2, i % 2);
    connect(b, &QPushButton::clicked, this, [this, i] { Cmd_Click(i); });
  }

  Tx = new ui::PannelloTesto;
  Tx->setObjectName(QStringLiteral("Tx"));
  Tx->setAccessibleName(QStringLiteral("Risultati"));
  Tx->setFont(ui::FontRapporto());

  StBar = new QStatusBar;
  StBar->setObjectName(QStringLiteral("StBar"));
  StBar->setSizeGripEnabled(false);
  Panel1 = new QLabel;
  StBar->addWidget(Panel1, 1);

  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(Frame1);
  sinistra->addWidget(Frame4);
  sinistra->addWidget(Frame2);
  sinistra->addWidget(Frame3);
  sinistra->addWidget(Frame6);
  sinistra->addStretch();
  // The report asks for its widest lines: the month lines of the sestina
  // (76 characters) and the line of the month in progress (84).
  Tx->setMisura(86, 25);
  auto* corpo = new QHBoxLayout;
  corpo->addLayout(sinistra);
  corpo->addWidget(Tx, 1);
  auto* finestra = new QVBoxLayout(this);
  finestra->setContentsMargins(4, 4, 4, 0);
  finestra->addLayout(corpo, 1);
  finestra->addWidget(StBar);

  connect(CmbMese[0], &QComboBox::currentIndexChanged, this, [this] { CmbMese_Click(0); });
  connect(CmbAnno[0], &QComboBox::currentIndexChanged, this, [this] { CmbAnno_Click(0); });
  auto* tempi = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T), this);
  tempi->setContext(Qt::WidgetWithChildrenShortcut);
  connect(tempi, &QShortcut::activated, this, [this] { Form_KeyDown(84, 6); });
}

int MetodiD::ruota() const {
  for (int i = 1; i <= 10; ++i)
    if (OptRuota.at(i)->isChecked()) return i;
  return 1;
}

void MetodiD::limitaMese() {
  const int meseUltima = mStato.ArchivioEstrazioni.mese(UltimaEstrazione);
  // Setting the month runs its handler, which lists the methods again.
  if (CmbAnno[0]->currentIndex() == CmbAnno[0]->count() - 1 &&
      CmbMese[0]->currentIndex() + 1 > meseUltima)
    CmbMese[0]->setCurrentIndex(meseUltima - 1);
  else
    Elenca_Metodi();
}

void MetodiD::CmbMese_Click(int) { limitaMese(); }
void MetodiD::CmbAnno_Click(int) { limitaMese(); }
void MetodiD::OptRuota_Click(int) { Elenca_Metodi(); }
void MetodiD::OptEstratto_Click(int Index) { PosizioneEstratto = Index; }

void MetodiD::Form_KeyDown(int KeyCode, int Shift) {
  if (KeyCode == 84 && Shift == 6) MostraTempi = ~MostraTempi;
}

void MetodiD::Cmd_Click(int Index) {
  switch (Index) {
    case 0:
      Elabora_Previsioni();
      break;
    case 1:
      ui::Finestre::Chiudi(this);
      break;
    case 2:
      salvaOutput();
      break;
    case 3:
      stampaOutput();
      break;
    case 4:
      Salva_Metodo(".mdd");
      break;
    case 5:
      Salva_Metodo(".mtd");
      break;
  }
}

void MetodiD::salvaOutput() {
  if (!mRilevamento) return;
  ui::SalvaRighe(this,
                 {QString(), QStringLiteral("File di Output (*.txt)|*.txt"), QStringLiteral(".txt"),
                  QStringLiteral("Detector.txt"), QString()},
                 Detector::RigheOutput(mStato.Titolo, mRilevamento->rapporto));
}

void MetodiD::stampaOutput() {
  if (!mRilevamento) return;
  QStringList righe;
  for (const std::string& r : Detector::RigheOutput(mStato.Titolo, mRilevamento->rapporto))
    righe << ui::Q(r);
  ui::StampaRighe(this, righe);
}

void MetodiD::Elabora_Previsioni() {
  const Detector::Richiesta richiesta{ruota(), PosizioneEstratto, CmbMese[0]->currentIndex() + 1,
                                      CmbAnno[0]->currentText().toInt()};
  const Archivio& a = mStato.ArchivioEstrazioni;
  auto preparazione = Detector::Prepara(a, mStato.indici, UltimaEstrazione, richiesta);
  if (!preparazione) {
    ui::Msg(this, ui::Q(preparazione.motivo()), ui::Icona::Critica);
    return;
  }
  QString tempi;
  {
    ui::Clessidra clessidra;
    tempi = QStringLiteral("Inizio : ") + Ora() + QStringLiteral("\r\n\r\n");
    const Detector::Ambata ambata = Detector::Cerca_Ambata(*preparazione);
    tempi += QStringLiteral("Step 1 : ") + Ora() + QStringLiteral("\r\n\r\n");
    const Detector::Sestina sestina = Detector::Cerca_Sestina(*preparazione, ambata);
    tempi += QStringLiteral("Step 2 : ") + Ora() + QStringLiteral("\r\n");
    mRilevamento =
        Detector::Completa(a, mStato.indici, *preparazione, ambata, sestina, mStato.Titolo);
    Tx->setRighe(mRilevamento->rapporto);
    Tx->setFocus();
    for (int i = 2; i <= 5; ++i) Cmd[i]->setEnabled(true);
  }
  if (MostraTempi != 0) ui::Msg(this, tempi);
}

void MetodiD::Salva_Metodo(const char* estensione) {
  if (!mRilevamento) return;
  if (const Esito e = Detector::Salva_Metodo(mStato.CartellaDati, *mRilevamento, estensione); !e) {
    ui::Msg(this, ui::Q(e.motivo()), ui::Icona::Critica);
    return;
  }
  ui::Msg(this, ui::Q(Detector::kMetodoCreato), ui::Icona::Esclamativa);
  Elenca_Metodi();
}

void MetodiD::Elenca_Metodi() {
  const auto voci =
      Detector::Elenca_Metodi(mStato.CartellaDati, ruota(), CmbMese[0]->currentIndex() + 1,
                              CmbAnno[0]->currentText().toInt());
  CmbMdd->clear();
  for (const std::string& v : voci) CmbMdd->addItem(ui::Q(v));
  if (!voci.empty()) CmbMdd->setCurrentIndex(0);
  Frame3->setEnabled(!voci.empty());
}

void MetodiD::closeEvent(QCloseEvent* e) {
  mContesto.finestre.mostraBarraLimiti();
  e->accept();
}
