#include "boards/TelaioTabellone.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <limits>

#include "core/indici.h"
#include "core/nomi.h"
#include "ui/BarraValore.h"
#include "ui/Clessidra.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Icone.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

constexpr int kFascia = 615;  // twips above the grid that hold the frame's controls

}  // namespace

QLabel* TelaioTabellone::EtichettaEvidenziata() {
  auto* l = new QLabel;
  QFont f(QStringLiteral("Arial"));
  f.setBold(true);
  l->setFont(f);
  l->setAutoFillBackground(true);
  QPalette p = l->palette();
  p.setColor(QPalette::Window, Qt::white);
  p.setColor(QPalette::WindowText, ui::Colore(0xFF));
  l->setPalette(p);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Sunken);
  l->setMargin(2);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

TelaioTabellone::TelaioTabellone(const ui::Contesto& contesto, QWidget* parent)
    : QWidget(parent), mContesto(contesto), mStato(contesto.stato()) {
  Label111 = new QLabel(QStringLiteral("Estrazione"));
  Label1 = EtichettaEvidenziata();
  Label1->setMinimumWidth(ui::Pixel(700));
  Label3 = new QLabel(QStringLiteral("del"));
  LbData = EtichettaEvidenziata();
  LbData->setMinimumWidth(ui::Pixel(1300));
  Sli = new QScrollBar(Qt::Horizontal);
  Sli->setObjectName(QStringLiteral("Sli"));
  // The board is computed when the thumb is released; while it moves, only
  // the header follows it.
  Sli->setTracking(false);
  Sli->setMinimumWidth(ui::Pixel(2400));
  ui::BarraValore(Sli);
  Sli->setAccessibleName(QStringLiteral("Estrazione"));
  for (int i : {3, 2}) {
    auto* b = new QToolButton;
    b->setObjectName(QStringLiteral("CmdEst%1").arg(i));
    b->setIcon(ui::IconaFreccia(i == 3));
    b->setToolTip(i == 3 ? QStringLiteral("Prima estrazione") : QStringLiteral("Ultima estrazione"));
    connect(b, &QToolButton::clicked, this, [this, i] { CmdEst_Click(i); });
    CmdEst[i] = b;
  }
  CmdAggiorna = new QPushButton(QStringLiteral("&Aggiorna"));
  CmdAggiorna->setObjectName(QStringLiteral("CmdAggiorna"));
  ana = new ui::Griglia(this);
  ana->setObjectName(QStringLiteral("ana"));
  ana->setAccessibleName(QStringLiteral("Tabellone"));

  Fascia = new QWidget(this);
  Fascia->setObjectName(QStringLiteral("fascia"));
  auto* riga = new QHBoxLayout(Fascia);
  riga->setContentsMargins(4, 4, 4, 4);
  riga->addWidget(Label111);
  riga->addWidget(Label1);
  riga->addWidget(Label3);
  riga->addWidget(LbData);
  riga->addSpacing(8);
  riga->addWidget(CmdEst[3]);
  riga->addWidget(Sli);
  riga->addWidget(CmdEst[2]);
  riga->addSpacing(8);
  riga->addWidget(CmdAggiorna);
  riga->addStretch();

  connect(Sli, &QScrollBar::valueChanged, this, &TelaioTabellone::Sli_Change);
  connect(Sli, &QScrollBar::sliderMoved, this, &TelaioTabellone::Sli_Scroll);
  connect(CmdAggiorna, &QPushButton::clicked, this, &TelaioTabellone::CmdAggiorna_Click);
  connect(ana, &ui::Griglia::click, this, &TelaioTabellone::ana_Click);
}

void TelaioTabellone::ApriSulRange() {
  EstrMassima = mStato.EstrFine;
  EstrRiferimento = mStato.EstrFine;
  const QSignalBlocker blocco(Sli);
  Sli->setRange(mStato.EstrInizio, EstrMassima);
  Sli->setValue(EstrMassima);
  // The value may not have changed (a fresh scroll bar stands at its
  // minimum, which can be the range end): compute in every case.
  Sli_Change();
}

void TelaioTabellone::Sli_Change() {
  EstrRiferimento = Sli->value();
  CalcolaTabellone(EstrRiferimento);
  ScriviIntestazione();
}

void TelaioTabellone::Sli_Scroll(int posizione) {
  EstrRiferimento = posizione;
  ScriviIntestazione();
}

void TelaioTabellone::ScriviIntestazione() {
  Label1->setText(QString::number(EstrRiferimento));
  LbData->setText(DataEstrazione(EstrRiferimento));
}

void TelaioTabellone::CmdEst_Click(int Index) {
  // The buttons go to the scroll bar's own bounds.
  const int meta = Index == 2 ? Sli->maximum() : Sli->minimum();
  if (EstrRiferimento == meta && Sli->value() == meta) return;
  EstrRiferimento = meta;
  Sli->setValue(meta);
}

void TelaioTabellone::CmdAggiorna_Click() {
  EstrMassima = mStato.EstrFine;
  // With the range unchanged the reference draw stays where it is; otherwise
  // both bounds follow the range and the board goes to its end.
  if (Sli->minimum() == mStato.EstrInizio && Sli->maximum() == mStato.EstrFine) return;
  {
    const QSignalBlocker blocco(Sli);
    Sli->setRange(mStato.EstrInizio, mStato.EstrFine);
    Sli->setValue(mStato.EstrFine);
  }
  Sli_Change();
}

std::optional<QStringList> TelaioTabellone::Dettagli(int, int) const { return std::nullopt; }

void TelaioTabellone::ana_Click() {
  // Only a body cell under the mouse has details.
  if (ana->mouseRow() < ana->fixedRows() || ana->mouseCol() < ana->fixedCols()) return;
  const int r = ana->row(), c = ana->col();
  if (c == 0 || ana->textMatrix(r, c).isEmpty()) return;
  const std::optional<QStringList> righe = Dettagli(r, c);
  if (!righe) return;
  const QColor sfondo = ana->cellBackColor(r, c), testo = ana->cellForeColor(r, c);
  ana->setCellBackColor(r, c, ui::Colore(0xFF0000));
  ana->setCellForeColor(r, c, ui::Colore(0xFFFFFF));
  mContesto.dettagli.MostraDettagli(*righe);
  ana->setCellBackColor(r, c, sfondo);
  ana->setCellForeColor(r, c, testo);
}

void TelaioTabellone::IntestazioneAnalitica() {
  ana->setFixedRows(2);
  ana->setFixedCols(1);
  ana->setRows(3);
  QString formato = QStringLiteral(">");
  for (int c = 1; c <= 50; ++c) formato += QStringLiteral("|^");
  ana->setFormatString(formato);
  for (int w = 1; w <= 10; ++w)
    for (int p = 1; p <= 5; ++p) {
      ana->setTextMatrix(0, 5 * (w - 1) + p, ui::Q(Inizio::NomiRuote[w]));
      ana->setTextMatrix(1, 5 * (w - 1) + p, QString::number(p));
    }
  ana->setMergeRow(0, true);
  ana->setColWidth(0, 400);
  for (int c = 1; c <= 50; ++c) ana->setColWidth(c, ana->rowHeight(0));
}

QRadioButton* TelaioTabellone::Opzione(const QString& nome, const QString& testo,
                                       const std::function<void()>& gestore) {
  auto* b = new QRadioButton(testo);
  b->setObjectName(nome);
  connect(b, &QRadioButton::toggled, this, [gestore](bool scelta) {
    if (scelta) gestore();
  });
  return b;
}

void TelaioTabellone::Seleziona(QRadioButton* opzione) {
  if (opzione->isChecked()) return;
  const QSignalBlocker blocco(opzione);
  opzione->setChecked(true);
}

void TelaioTabellone::Rinuncia(const std::string& motivo) { ui::Finestre::Rinuncia(this, ui::Q(motivo)); }

QString TelaioTabellone::DataDi(const Archivio& immagine, int d) {
  if (d < 1 || d > formato::kRecord) return QString();
  return ui::Q(Inizio::DataBreve(immagine, d));
}

void TelaioTabellone::RiempiAnalitico(const Tabelloni::Tabellone& t) {
  // Column c of an analytic board belongs to wheel ceil(c / 5).
  static const std::vector<int> ruote = [] {
    std::vector<int> r(Tabelloni::kColonne + 1, 0);
    for (int c = 1; c <= Tabelloni::kColonne; ++c) r[c] = Tabelloni::RuotaDiColonna(c);
    return r;
  }();
  RiempiGriglia(static_cast<int>(t.size()), ruote, [&t](int i, int c) {
    if (c == 0) return QString::number(t[i].ritardo);
    const int x = t[i].cella[c - 1];
    return x ? QString::number(x) : QString();
  });
}

void TelaioTabellone::RiempiGriglia(int righe, const std::vector<int>& ruotaColonna,
                                    const std::function<QString(int, int)>& testo,
                                    const std::function<void()>& intestazione) {
  ui::Clessidra clessidra;
  if (PrimaRiga != 0) {
    PrimaRiga = ana->topRow();
    PrimaColonna = ana->leftCol();
  } else {
    PrimaRiga = 2;
    PrimaColonna = 1;
  }
  ana->setRedraw(false);
  if (intestazione) intestazione();
  const int colonne = ana->cols();
  ana->setRows(2 + std::max(righe, 1));
  static const QColor kDispari = ui::Colore(0xFFFF80), kPari = ui::Colore(0x80FFFF);
  for (int i = 0; i < std::max(righe, 1); ++i) {
    const int r = 2 + i;
    const bool vuota = i >= righe;
    ana->setTextMatrix(r, 0, vuota ? QString() : testo(i, 0));
    for (int c = 1; c < colonne; ++c) {
      ana->setTextMatrix(r, c, vuota ? QString() : testo(i, c));
      ana->setCellAlignment(r, c, Qt::AlignCenter);
      const int w = c < static_cast<int>(ruotaColonna.size()) ? ruotaColonna[c] : 0;
      ana->setCellBackColor(r, c, w % 2 == 1 ? kDispari : kPari);
      ana->setCellForeColor(r, c, QColor());
    }
  }
  if (PrimaRiga < ana->rows()) {
    ana->setTopRow(PrimaRiga);
    ana->setLeftCol(PrimaColonna);
  }
  ana->setRedraw(true);
}

int TelaioTabellone::MargineSinistro(int) const { return 0; }

void TelaioTabellone::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Disponi();
}

QSize TelaioTabellone::sizeHint() const {
  const QSize griglia = ana->sizeHint();
  const int sinistra = ui::Pixel(MargineSinistro(std::numeric_limits<int>::max()));
  return {std::max(Fascia->sizeHint().width(), sinistra + griglia.width()), ui::Pixel(kFascia) + griglia.height()};
}

void TelaioTabellone::Disponi() {
  const int larghezza = ui::Twip(width()), altezza = ui::Twip(height());
  const int sinistra = MargineSinistro(larghezza);
  const int alto = altezza > kFascia ? kFascia : 0;
  ana->setGeometry(ui::Pixel(sinistra), ui::Pixel(alto), width() - ui::Pixel(sinistra), height() - ui::Pixel(alto));
  Fascia->setGeometry(ui::Pixel(sinistra), 0, width() - ui::Pixel(sinistra), ui::Pixel(kFascia));
}
