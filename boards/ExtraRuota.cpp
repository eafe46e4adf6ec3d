#include "boards/ExtraRuota.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/nomi.h"
#include "ui/Clessidra.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Rapporto.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

constexpr int kAlto = 720;        // twips above the grid
constexpr int kLarghezza = 3450;  // twips of the grid's width

}  // namespace

ExtraRuota::ExtraRuota(const ui::Contesto& contesto, QWidget* parent)
    : TelaioTabellone(contesto, parent) {
  setObjectName(QStringLiteral("ExtraRuota"));
  setProperty("argomentoAiuto", 30050);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("Estrazioni per Ruota"));
  ui::Finestre::ImpostaDimensioni(this, 5900, 7200);

  // Above the grid: the header line and the wheel shown.
  Label2 = new QLabel;
  Label2->setObjectName(QStringLiteral("Label2"));
  QPalette rosso = Label2->palette();
  rosso.setColor(QPalette::WindowText, ui::Colore(0xFF));
  Label2->setPalette(rosso);
  mTesta = new QWidget(this);
  auto* testa = new QVBoxLayout(mTesta);
  testa->setContentsMargins(4, 2, 4, 2);
  testa->setSpacing(2);
  auto* intestazione = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(Label111), static_cast<QWidget*>(Label1),
                     static_cast<QWidget*>(Label3), static_cast<QWidget*>(LbData)})
    intestazione->addWidget(w);
  Label1->setMinimumWidth(0);
  LbData->setMinimumWidth(0);
  intestazione->addStretch();
  testa->addLayout(intestazione);
  testa->addWidget(Label2);

  // Right of the grid: as-of draw, wheel, sort, source, save and print.
  Frame3 = new QGroupBox;
  Frame3->setObjectName(QStringLiteral("Frame3"));
  auto* scorri = new QHBoxLayout(Frame3);
  scorri->setContentsMargins(4, 4, 4, 4);
  Sli->setMinimumWidth(0);
  scorri->addWidget(CmdEst[3]);
  scorri->addWidget(Sli, 1);
  scorri->addWidget(CmdEst[2]);

  Frame1 = new QGroupBox(QStringLiteral("Ruota"));
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* ruote = new QGridLayout(Frame1);
  ruote->setContentsMargins(2, 0, 4, 0);
  ruote->setHorizontalSpacing(8);
  ruote->setVerticalSpacing(0);
  for (int w = 1; w <= EstrattiRuota::kTutte; ++w) {
    const QString nome =
        w == EstrattiRuota::kTutte ? QStringLiteral("TUTTE") : ui::Q(Inizio::NomiRuote[w]);
    OptRuota[w] =
        Opzione(QStringLiteral("OptRuota%1").arg(w), nome, [this, w] { OptRuota_Click(w); });
    ruote->addWidget(OptRuota[w], (w - 1) % 6, (w - 1) / 6);
  }

  Frame2 = new QGroupBox(QStringLiteral("Ordinamento"));
  Frame2->setObjectName(QStringLiteral("Frame2"));
  auto* ordina = new QGridLayout(Frame2);
  ordina->setContentsMargins(2, 0, 4, 2);
  ordina->setHorizontalSpacing(8);
  ordina->setVerticalSpacing(0);
  const char* colonne[] = {"Numero", "Ritardo", "Storico", "Presenza"};
  for (int i = 1; i <= 4; ++i) {
    OptOrdina[i] = Opzione(QStringLiteral("OptOrdina%1").arg(i),
                           QString::fromLatin1(colonne[i - 1]), [this, i] { OptOrdina_Click(i); });
    ordina->addWidget(OptOrdina[i], (i - 1) % 2, (i - 1) / 2);
  }
  CmdInvert = new QPushButton(QStringLiteral("&Inverti Ordine"));
  CmdInvert->setObjectName(QStringLiteral("CmdInvert"));
  ordina->addWidget(CmdInvert, 2, 0, 1, 2);

  // Source: "Archivio" over the draw archive, "RSC" over the five distance
  // archives; the six buttons form one group of their own.
  Label4 = new QLabel(QStringLiteral("Archivio"));
  Label5 = new QLabel(QStringLiteral("RSC"));
  auto* gruppoFile = new QWidget;
  auto* sorgente = new QGridLayout(gruppoFile);
  sorgente->setContentsMargins(0, 0, 0, 0);
  sorgente->setSpacing(0);
  sorgente->addWidget(Label4, 0, 0, 1, 5);
  sorgente->addWidget(Label5, 2, 0, 1, 5);
  for (int k = 0; k <= 5; ++k) {
    OptFile[k] = Opzione(QStringLiteral("OptFile%1").arg(k),
                         k == 0 ? QStringLiteral("Estrazioni") : QString::number(k),
                         [this, k] { OptFile_Click(k); });
    if (k == 0)
      sorgente->addWidget(OptFile[k], 1, 0, 1, 5);
    else
      sorgente->addWidget(OptFile[k], 3, k - 1);
  }

  CmdSalva = new QPushButton(QStringLiteral("S&alva"));
  CmdSalva->setObjectName(QStringLiteral("CmdSalva"));
  CmdStampa = new QPushButton(QStringLiteral("&Stampa"));
  CmdStampa->setObjectName(QStringLiteral("CmdStampa"));
  auto* file = new QHBoxLayout;
  file->addWidget(CmdSalva);
  file->addWidget(CmdStampa);

  mComandi = new QWidget(this);
  QFont piccolo = mComandi->font();
  piccolo.setPointSize(8);
  mComandi->setFont(piccolo);
  auto* comandi = new QVBoxLayout(mComandi);
  comandi->setContentsMargins(2, 2, 2, 4);
  comandi->setSpacing(3);
  comandi->addWidget(Frame3);
  comandi->addWidget(CmdAggiorna);
  comandi->addWidget(Frame1);
  comandi->addWidget(Frame2);
  comandi->addWidget(gruppoFile);
  comandi->addStretch();
  comandi->addLayout(file);
  Fascia->hide();  // its controls now live above and beside the grid

  connect(CmdInvert, &QPushButton::clicked, this, &ExtraRuota::CmdInvert_Click);
  connect(CmdSalva, &QPushButton::clicked, this, &ExtraRuota::CmdSalva_Click);
  connect(CmdStampa, &QPushButton::clicked, this, &ExtraRuota::CmdStampa_Click);

  ana->setRows(91);
  ana->setCols(5);
  ana->setFixedRows(1);
  ana->setFixedCols(1);
  ana->setFormatString(QStringLiteral(">POS|^NUM|^RIT|^STO|^PRE"));
  ana->setColWidth(0, 700);
  for (int c = 1; c <= 4; ++c) ana->setColWidth(c, 600);
  for (int r = 1; r <= 90; ++r)
    for (int c = 1; c <= 4; ++c) ana->setCellAlignment(r, c, Qt::AlignRight | Qt::AlignVCenter);

  // Every opening starts on archivio.dat, BARI, sorted on "Numero" ascending.
  auto letto = EstrattiRuota::LeggiSorgente(mStato.CartellaDati, 0);
  if (!letto) {
    Rinuncia(letto.motivo());
    return;
  }
  ArchivioScelto = std::move(letto).prendi();
  Seleziona(OptFile[0]);
  Seleziona(OptRuota[RuotaScelta]);
  Seleziona(OptOrdina[ColOrdine]);
  ApriSulRange();
}

void ExtraRuota::CalcolaTabellone(int riferimento) {
  Calcola_Storici_e_Presenze(riferimento);
  OptRuota_Click(RuotaScelta);
}

void ExtraRuota::Calcola_Storici_e_Presenze(int da_Quando) {
  ui::Clessidra clessidra;
  Tabelle = EstrattiRuota::Calcola_Storici_e_Presenze(ArchivioScelto, mStato.EstrInizio, da_Quando);
}

QString ExtraRuota::DataEstrazione(int d) const { return DataDi(ArchivioScelto, d); }

void ExtraRuota::OptFile_Click(int Index) {
  if (Index == FileScelto) return;
  auto letto = EstrattiRuota::LeggiSorgente(mStato.CartellaDati, Index);
  if (!letto) {
    ui::Msg(this, ui::Q(letto.motivo()), ui::Icona::Critica);
    Seleziona(OptFile[FileScelto]);  // the window keeps its source
    return;
  }
  Seleziona(OptFile[Index]);
  ArchivioScelto = std::move(letto).prendi();
  FileScelto = Index;
  Sli_Change();
}

void ExtraRuota::OptRuota_Click(int Index) {
  Seleziona(OptRuota[Index]);
  RuotaScelta = Index;
  Label2->setText(ui::Q(EstrattiRuota::Etichetta(Index)));
  OptOrdina_Click(ColOrdine);
}

void ExtraRuota::OptOrdina_Click(int Index) {
  Seleziona(OptOrdina[Index]);
  ColOrdine = Index;
  ana->setCol(Index);
  const auto ordine = EstrattiRuota::Ordine(Tabelle, RuotaScelta, ColOrdine, OrdineInverso);
  const QColor rosso = ui::Colore(0xFF);
  ana->setRedraw(false);
  for (int r = 1; r <= 90; ++r) {
    const int x = ordine[r - 1];
    ana->setTextMatrix(r, 0, QString::number(r));
    ana->setTextMatrix(r, 1, QString::number(x));
    ana->setCellForeColor(r, 1, rosso);
    ana->setTextMatrix(r, 2, QString::number(Tabelle.RitRuota[RuotaScelta][x]));
    ana->setTextMatrix(r, 3, QString::number(Tabelle.StoRuota[RuotaScelta][x]));
    ana->setTextMatrix(r, 4, QString::number(Tabelle.PreRuota[RuotaScelta][x]));
  }
  ana->setRedraw(true);
}

void ExtraRuota::CmdInvert_Click() {
  OrdineInverso = !OrdineInverso;
  OptOrdina_Click(ColOrdine);
}

std::vector<std::string> ExtraRuota::Righe() const {
  return EstrattiRuota::RigheFile(mStato.Titolo, FileScelto, Tabelle, RuotaScelta, ColOrdine,
                                  OrdineInverso);
}

void ExtraRuota::CmdSalva_Click() {
  ui::DialogoFile d;
  d.filtro = QStringLiteral("File di Output (*.txt)|*.txt");
  d.estensione = QStringLiteral(".txt");
  d.nome = QStringLiteral("EstraRuota.txt");
  ui::SalvaRighe(this, d, Righe());
}

void ExtraRuota::CmdStampa_Click() {
  QStringList righe;
  for (const std::string& r : Righe()) righe << ui::Q(r);
  ui::StampaRighe(this, righe);
}

QSize ExtraRuota::sizeHint() const {
  return {ui::Pixel(kLarghezza) + mComandi->sizeHint().width(),
          std::max(ui::Pixel(kAlto) + ana->sizeHint().height(), mComandi->sizeHint().height())};
}

void ExtraRuota::Disponi() {
  const int altezza = ui::Twip(height());
  const int alto = altezza > kAlto ? kAlto : 0;
  ana->setGeometry(0, ui::Pixel(alto), ui::Pixel(kLarghezza), height() - ui::Pixel(alto));
  mTesta->setGeometry(0, 0, ui::Pixel(kLarghezza), ui::Pixel(kAlto));
  mComandi->setGeometry(ui::Pixel(kLarghezza), 0, std::max(0, width() - ui::Pixel(kLarghezza)),
                        height());
}
