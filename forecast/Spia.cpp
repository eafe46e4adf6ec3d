#include "forecast/Spia.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/indici.h"
#include "core/nomi.h"
#include "forecast/spia.h"
#include "ui/BarraValore.h"
#include "ui/Clessidra.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Font.h"
#include "ui/PannelloTesto.h"
#include "ui/Rapporto.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace ns = NumeriSpia;

namespace {

const QString kTitolo = QStringLiteral("Numeri Spia");

}  // namespace

Spia::Spia(const ui::Contesto& contesto, QWidget* parent)
    : QWidget(parent), mStato(contesto.stato()) {
  setObjectName(QStringLiteral("Spia"));
  setProperty("argomentoAiuto", 50030);  // F1: its paragraph of the guide
  ui::Nomina(this, kTitolo);
  ui::Finestre::ImpostaDimensioni(this, 10740, 5115);
  creaControlli();
  EstrInizio = mStato.EstrInizio;
  EstrFine = mStato.EstrFine;
  Mostra_Periodo();
  Ruota = 1;
  NumeroSpia = UpDNum->value();
}

void Spia::creaControlli() {
  Frame1 = new QGroupBox(QStringLiteral("Ruota"));
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* ruote = new QGridLayout(Frame1);
  ruote->setSpacing(2);
  for (int w = 1; w <= 11; ++w) {
    auto* o =
        new QRadioButton(w == 11 ? QStringLiteral("TUTTE") : ui::Q(Inizio::NomiRuote[w]), Frame1);
    o->setObjectName(QStringLiteral("OptRuota%1").arg(w));
    OptRuota[w] = o;
    if (w == 11) {
      o->setVisible(false);  // the analysis is per wheel
    } else {
      ruote->addWidget(o, (w - 1) % 5, (w - 1) / 5);
    }
    connect(o, &QRadioButton::toggled, this, [this, w](bool scelta) {
      if (scelta) OptRuota_Click(w);
    });
  }
  OptRuota[1]->setChecked(true);

  Label2 = new QLabel(QStringLiteral("Numero Spia"));
  Label2->setObjectName(QStringLiteral("Label2"));
  UpDNum = new QScrollBar(Qt::Horizontal);
  UpDNum->setObjectName(QStringLiteral("UpDNum"));
  UpDNum->setRange(1, 90);
  UpDNum->setSingleStep(1);
  UpDNum->setPageStep(9);
  UpDNum->setValue(1);
  ui::BarraValore(UpDNum);
  Label2->setBuddy(UpDNum);
  LbNum = new QLabel(QStringLiteral("1"));
  LbNum->setObjectName(QStringLiteral("LbNum"));
  LbNum->setAlignment(Qt::AlignCenter);
  QFont grande = LbNum->font();
  grande.setBold(true);
  grande.setPointSize(grande.pointSize() + 4);
  LbNum->setFont(grande);
  LbNum->setMinimumWidth(LbNum->fontMetrics().horizontalAdvance(QStringLiteral("888")));

  Text1 = new ui::PannelloTesto;
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setAccessibleName(QStringLiteral("Risultati"));
  Text1->setFont(ui::FontRapporto());

  static const char* const kPulsanti[] = {"&Elabora", "E&sci", "&Stampa", "S&alva Output"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QPushButton(QString::fromLatin1(kPulsanti[i]));
    b->setObjectName(QStringLiteral("Cmd%1").arg(i));
    b->setEnabled(i < 2);
    Cmd[i] = b;
    connect(b, &QPushButton::clicked, this, [this, i] { Cmd_Click(i); });
  }
  CmdRep = new QPushButton(QStringLiteral("&Hot"));
  CmdRep->setObjectName(QStringLiteral("CmdRep"));
  CmdRep->setVisible(false);

  StBar = new QStatusBar;
  StBar->setObjectName(QStringLiteral("StBar"));
  StBar->setSizeGripEnabled(false);
  Panel1 = new QLabel;
  StBar->addWidget(Panel1, 1);

  auto* numero = new QHBoxLayout;
  numero->addWidget(UpDNum, 1);
  numero->addWidget(LbNum);
  auto* pulsanti = new QGridLayout;
  for (int i = 0; i < 4; ++i) pulsanti->addWidget(Cmd[i], i / 2, i % 2);
  pulsanti->addWidget(CmdRep, 2, 0, 1, 2);
  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(Frame1);
  sinistra->addWidget(Label2);
  sinistra->addLayout(numero);
  sinistra->addStretch();
  sinistra->addLayout(pulsanti);
  // The report asks for a whole line: 82 characters at most.
  Text1->setMisura(82, 25);
  auto* corpo = new QHBoxLayout;
  corpo->addLayout(sinistra);
  corpo->addWidget(Text1, 1);
  auto* finestra = new QVBoxLayout(this);
  finestra->setContentsMargins(4, 4, 4, 0);
  finestra->addLayout(corpo, 1);
  finestra->addWidget(StBar);

  connect(UpDNum, &QScrollBar::valueChanged, this, &Spia::UpDNum_Change);
  connect(CmdRep, &QPushButton::clicked, this, &Spia::CmdRep_Click);
  // Seen wherever the focus is inside the window.
  auto* tasto = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T), this);
  tasto->setContext(Qt::WidgetWithChildrenShortcut);
  connect(tasto, &QShortcut::activated, this, [this] { Form_KeyDown(84, 6); });
}

void Spia::Mostra_Periodo() {
  Panel1->setText(ui::Q(Inizio::Descrivi_Periodo(mStato.ArchivioEstrazioni, EstrInizio, EstrFine)));
}

void Spia::UpDNum_Change() {
  NumeroSpia = UpDNum->value();
  LbNum->setText(QString::number(NumeroSpia));
  // Paging runs 1, 10, 20 ... 90 and back.
  UpDNum->setPageStep(NumeroSpia == 1 ? 9 : 10);
}

void Spia::OptRuota_Click(int Index) { Ruota = Index; }

void Spia::Form_KeyDown(int KeyCode, int Shift) {
  if (KeyCode == 84 && Shift == 6) CmdRep->setVisible(!CmdRep->isVisible());
}

void Spia::Elabora_Spia() {
  EstrInizio = mStato.EstrInizio;
  EstrFine = mStato.EstrFine;
  const auto analisi =
      ns::Elabora_Spia(mStato.ArchivioEstrazioni, Ruota, NumeroSpia, EstrInizio, EstrFine);
  if (!analisi) {
    ui::Msg(this, ui::Q(analisi.motivo()), ui::Icona::Critica);
    return;
  }
  ui::Clessidra clessidra;
  Mostra_Periodo();
  mostraRapporto(ns::Rapporto(mStato.ArchivioEstrazioni, *analisi, mStato.Titolo));
  fineAnalisi();
}

void Spia::CmdRep_Click() {
  // The whole report is one computation: the chosen spy number, its scroll
  // bar and its label never move.
  mostraRapporto(ns::Intestazione(mStato.Titolo));
  ui::Nomina(this, QStringLiteral(" **** PROCESSING HOT ****"));
  Text1->repaint();
  EstrInizio = mStato.EstrInizio;
  EstrFine = mStato.EstrFine;
  auto r = [&] {
    ui::Clessidra clessidra;
    return ns::RapportoTutti(mStato.ArchivioEstrazioni, Ruota, EstrInizio, EstrFine, mStato.Titolo);
  }();
  if (r) {
    Mostra_Periodo();
    mostraRapporto(std::move(r).prendi());
    fineAnalisi();
  } else {
    ui::Msg(this, ui::Q(r.motivo()), ui::Icona::Critica);
  }
  ui::Nomina(this, kTitolo);
}

void Spia::mostraRapporto(std::vector<std::string> righe) {
  mRighe = std::move(righe);
  Text1->setRighe(mRighe);
}

void Spia::fineAnalisi() {
  Text1->setFocus();
  Cmd[2]->setEnabled(true);
  Cmd[3]->setEnabled(true);
}

void Spia::Cmd_Click(int Index) {
  switch (Index) {
    case 0:
      return Elabora_Spia();
    case 1:
      return ui::Finestre::Chiudi(this);
    case 2:
      return stampa();
    default:
      return salva();
  }
}

void Spia::stampa() {
  QStringList righe;
  for (const std::string& r : mRighe) righe << ui::Q(r);
  ui::StampaRighe(this, righe);
}

void Spia::salva() {
  if (mRighe.empty()) return;
  ui::DialogoFile d;
  d.filtro = QStringLiteral("File di Output (*.txt)|*.txt");
  d.estensione = QStringLiteral(".txt");
  d.nome = kTitolo + d.estensione;
  // The title in capitals, an empty line, and the pane's text, whose every
  // line already ends with CR LF, followed by one more line end.
  std::vector<std::string> righe{ui::S(ui::Q(mStato.Titolo).toUpper()), ""};
  righe.insert(righe.end(), mRighe.begin(), mRighe.end());
  righe.emplace_back();
  ui::SalvaRighe(this, d, righe);
}
