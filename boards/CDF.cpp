#include "boards/CDF.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "boards/TelaioTabellone.h"
#include "core/avvio.h"
#include "core/indici.h"
#include "ui/BarraValore.h"
#include "ui/Clessidra.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Icone.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace cdf = CadenzeDecineFigure;

namespace {

constexpr int kAltezzaRiga = 240;   // twips: eleven rows fill a grid
constexpr int kColonnaDestra = 2415;  // twips: the column of the frames on the right

QLineEdit* CasellaNumero(const char* nome) {
  auto* t = new QLineEdit;
  t->setObjectName(QString::fromLatin1(nome));
  t->setFixedWidth(ui::Pixel(600));
  t->setAlignment(Qt::AlignRight);
  return t;
}

// Digits and Backspace pass; every other key is discarded.
void FiltraCifre(int& KeyAscii) {
  if (KeyAscii != 8 && (KeyAscii < '0' || KeyAscii > '9')) KeyAscii = 0;
}

}  // namespace

CDF::CDF(const ui::Contesto& contesto, QWidget* parent)
    : QWidget(parent), mStato(contesto.stato()) {
  setObjectName(QStringLiteral("CDF"));
  setProperty("argomentoAiuto", 30040);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("Ritardi/Presenze  Cadenze Decine Figure"));
  ui::Finestre::ImpostaDimensioni(this, 11940, 7260);
  creaControlli();
  preparaGriglie();

  auto copia = Inizio::CaricaArchivio(mStato.CartellaDati);
  if (!copia) {
    ui::Finestre::Rinuncia(this, ui::Q(copia.motivo()));
    return;
  }
  CopiaArchivio = std::move(copia).prendi();

  TxCiclo->setText(QStringLiteral("20"));
  SorteScelta = 1;
  impostaEvidenziazione(cdf::ValoriSorte(SorteScelta));

  EstrMassima = EstrRiferimento = mStato.EstrFine;
  mInizioPreso = mStato.EstrInizio;
  {
    const QSignalBlocker blocco(Sli);
    Sli->setRange(mStato.EstrInizio, EstrMassima);
    Sli->setValue(EstrMassima);
  }
  // A fresh scroll bar may already stand at the range end: compute in any case.
  Sli_Change();
}

void CDF::creaControlli() {
  // The six grids, each under its class label, in the frames PRESENZE and RITARDI.
  auto riquadroGriglie = [this](const QString& titolo, const char* nome, int primo) {
    auto* frame = new QGroupBox(titolo);
    frame->setObjectName(QString::fromLatin1(nome));
    auto* riga = new QHBoxLayout(frame);
    for (int g = primo; g < primo + 3; ++g) {
      auto* colonna = new QVBoxLayout;
      auto* etichetta = new QLabel(ui::Q(cdf::NomeClasse(g)));
      etichetta->setAlignment(Qt::AlignCenter);
      auto* griglia = new ui::Griglia;
      static const char* const kNomi[] = {"PCad", "PDec", "PFig", "RCad", "RDec", "RFig"};
      griglia->setObjectName(QString::fromLatin1(kNomi[g]));
      ui::Griglia*& membro = g == cdf::PCad   ? PCad
                             : g == cdf::PDec ? PDec
                             : g == cdf::PFig ? PFig
                             : g == cdf::RCad ? RCad
                             : g == cdf::RDec ? RDec
                                              : RFig;
      membro = griglia;
      etichetta->setBuddy(griglia);
      colonna->addWidget(etichetta);
      colonna->addWidget(griglia);
      colonna->addStretch();
      riga->addLayout(colonna);
    }
    riga->addStretch();
    return frame;
  };
  auto* Frame1 = riquadroGriglie(QStringLiteral("PRESENZE"), "Frame1", cdf::PCad);
  auto* Frame2 = riquadroGriglie(QStringLiteral("RITARDI"), "Frame2", cdf::RCad);

  // Frame3: the reference draw, its header and the refresh.
  auto* Frame3 = new QGroupBox;
  Frame3->setObjectName(QStringLiteral("Frame3"));
  Label111 = new QLabel(QStringLiteral("Estrazione"));
  Label1 = TelaioTabellone::EtichettaEvidenziata();
  Label5 = new QLabel(QStringLiteral("del"));
  LbData = TelaioTabellone::EtichettaEvidenziata();
  Sli = new QScrollBar(Qt::Horizontal);
  Sli->setObjectName(QStringLiteral("Sli"));
  Sli->setTracking(false);
  ui::BarraValore(Sli);
  Sli->setAccessibleName(QStringLiteral("Estrazione"));
  for (int i : {3, 2}) {
    auto* b = new QToolButton;
    b->setObjectName(QStringLiteral("CmdEst%1").arg(i));
    b->setIcon(ui::IconaFreccia(i == 3));
    b->setAccessibleName(i == 3 ? QStringLiteral("Prima estrazione")
                                : QStringLiteral("Ultima estrazione"));
    CmdEst[i] = b;
    connect(b, &QToolButton::clicked, this, [this, i] { CmdEst_Click(i); });
  }
  CmdAggiorna = new QPushButton(QStringLiteral("&Aggiorna"));
  CmdAggiorna->setObjectName(QStringLiteral("CmdAggiorna"));
  auto* navigazione = new QGridLayout(Frame3);
  navigazione->addWidget(Label111, 0, 0);
  navigazione->addWidget(Label1, 0, 1);
  navigazione->addWidget(Label5, 1, 0);
  navigazione->addWidget(LbData, 1, 1);
  auto* scorrimento = new QHBoxLayout;
  scorrimento->addWidget(CmdEst[3]);
  scorrimento->addWidget(Sli, 1);
  scorrimento->addWidget(CmdEst[2]);
  navigazione->addLayout(scorrimento, 2, 0, 1, 2);
  navigazione->addWidget(CmdAggiorna, 3, 0, 1, 2);

  // Frame4: the sorte.
  auto* Frame4 = new QGroupBox(QStringLiteral("Sorte"));
  Frame4->setObjectName(QStringLiteral("Frame4"));
  auto* sorti = new QGridLayout(Frame4);
  const char* const kSorti[] = {"&Ambata", "A&mbo", "&Terno", "&Quaterna", "&Cinquina"};
  for (int i = 0; i < 5; ++i) {
    auto* o = new QRadioButton(QString::fromLatin1(kSorti[i]));
    o->setObjectName(QStringLiteral("OptSorte%1").arg(i));
    o->setChecked(i == 0);
    OptSorte[i] = o;
    sorti->addWidget(o, i % 3, i / 3);
    connect(o, &QRadioButton::toggled, this, [this, i](bool scelta) {
      if (scelta) OptSorte_Click(i);
    });
  }

  // Frame5: the cycle and the highlighting options.
  auto* Frame5 = new QGroupBox(QStringLiteral("Opzioni"));
  Frame5->setObjectName(QStringLiteral("Frame5"));
  TxCiclo = CasellaNumero("TxCiclo");
  TxMinP = CasellaNumero("TxMinP");
  TxMaxP = CasellaNumero("TxMaxP");
  TxMaxR = CasellaNumero("TxMaxR");
  CkPreMin = new QCheckBox;
  CkPreMin->setObjectName(QStringLiteral("CkPreMin"));
  CkPreMax = new QCheckBox;
  CkPreMax->setObjectName(QStringLiteral("CkPreMax"));
  CkRitMax = new QCheckBox;
  CkRitMax->setObjectName(QStringLiteral("CkRitMax"));
  auto* opzioni = new QGridLayout(Frame5);
  opzioni->addWidget(new QLabel(QStringLiteral("Ciclo Estrazioni")), 0, 0, 1, 2);
  opzioni->addWidget(TxCiclo, 0, 2);
  opzioni->addWidget(new QLabel(QStringLiteral("Evidenzia Presenze")), 1, 0, 1, 3);
  opzioni->addWidget(CkPreMin, 2, 0);
  opzioni->addWidget(new QLabel(QStringLiteral("Minori o uguali a")), 2, 1);
  opzioni->addWidget(TxMinP, 2, 2);
  opzioni->addWidget(CkPreMax, 3, 0);
  opzioni->addWidget(new QLabel(QStringLiteral("Maggiori o uguali a")), 3, 1);
  opzioni->addWidget(TxMaxP, 3, 2);
  opzioni->addWidget(new QLabel(QStringLiteral("Evidenzia Ritardi")), 4, 0, 1, 3);
  opzioni->addWidget(CkRitMax, 5, 0);
  opzioni->addWidget(new QLabel(QStringLiteral("Maggiori o uguali a")), 5, 1);
  opzioni->addWidget(TxMaxR, 5, 2);
  opzioni->setColumnStretch(1, 1);
  for (QLineEdit* t : {TxCiclo, TxMinP, TxMaxP, TxMaxR}) t->installEventFilter(this);
  // Each option is read with its heading: the labels alone repeat.
  TxCiclo->setAccessibleName(QStringLiteral("Ciclo Estrazioni"));
  CkPreMin->setAccessibleName(QStringLiteral("Evidenzia Presenze minori o uguali a"));
  TxMinP->setAccessibleName(CkPreMin->accessibleName());
  CkPreMax->setAccessibleName(QStringLiteral("Evidenzia Presenze maggiori o uguali a"));
  TxMaxP->setAccessibleName(CkPreMax->accessibleName());
  CkRitMax->setAccessibleName(QStringLiteral("Evidenzia Ritardi maggiori o uguali a"));
  TxMaxR->setAccessibleName(CkRitMax->accessibleName());

  CmdRicalcola = new QPushButton(QStringLiteral("&APPLICA"));
  CmdRicalcola->setObjectName(QStringLiteral("CmdRicalcola"));
  stampa = new QPushButton(QStringLiteral("Stampa dati su file"));
  stampa->setObjectName(QStringLiteral("stampa"));

  auto* destra = new QWidget;
  destra->setMinimumWidth(ui::Pixel(kColonnaDestra));
  auto* colonnaDestra = new QVBoxLayout(destra);
  colonnaDestra->setContentsMargins(0, 0, 0, 0);
  colonnaDestra->addWidget(Frame3);
  colonnaDestra->addWidget(Frame4);
  colonnaDestra->addWidget(Frame5);
  colonnaDestra->addWidget(CmdRicalcola);
  colonnaDestra->addWidget(stampa);
  colonnaDestra->addStretch();

  SBDCCF = new QStatusBar;
  SBDCCF->setObjectName(QStringLiteral("SBDCCF"));
  SBDCCF->setSizeGripEnabled(false);
  for (int i : {1, 2}) {
    Panels[i] = new QLabel;
    SBDCCF->addWidget(Panels[i], 1);
  }

  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(Frame1);
  sinistra->addWidget(Frame2);
  sinistra->addStretch();
  auto* corpo = new QHBoxLayout;
  corpo->addLayout(sinistra, 1);
  corpo->addWidget(destra);
  auto* finestra = new QVBoxLayout(this);
  finestra->setContentsMargins(4, 4, 4, 0);
  finestra->addLayout(corpo, 1);
  finestra->addWidget(SBDCCF);

  connect(Sli, &QScrollBar::valueChanged, this, &CDF::Sli_Change);
  connect(Sli, &QScrollBar::sliderMoved, this, &CDF::Sli_Scroll);
  connect(CmdAggiorna, &QPushButton::clicked, this, &CDF::CmdAggiorna_Click);
  connect(CmdRicalcola, &QPushButton::clicked, this, &CDF::CmdRicalcola_Click);
  connect(stampa, &QPushButton::clicked, this, &CDF::stampa_Click);
}

void CDF::preparaGriglie() {
  for (int g = 0; g < cdf::kGriglie; ++g) {
    ui::Griglia* gr = griglia(g);
    const int colonne = cdf::Classi(g) + 1;
    gr->setRows(11);
    gr->setCols(colonne);
    gr->setFixedRows(1);
    gr->setFixedCols(1);
    gr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (g >= cdf::RCad) gr->setBackColor(palette().color(QPalette::Base));
    for (int c = 0; c < colonne; ++c) gr->setColAlignment(c, Qt::AlignCenter);
    gr->setColWidth(0, 300);
    for (int r = 0; r < 11; ++r) gr->setRowHeight(r, kAltezzaRiga);
    for (int w = 1; w <= 10; ++w) gr->setTextMatrix(w, 0, ui::Q(cdf::IntestazioneRuota(w)));
    for (int k = 1; k < colonne; ++k) gr->setTextMatrix(0, k, ui::Q(cdf::IntestazioneClasse(g, k)));
    dimensionaColonne(gr);
  }
}

// The class columns share one width: 250 twips, or what the widest figure of
// the current result needs, so that no number is ever cut. The grid is
// exactly as large as its cells, so that it never scrolls.
void CDF::dimensionaColonne(ui::Griglia* gr) {
  int larghezza = 250;
  for (int c = 1; c < gr->cols(); ++c) larghezza = std::max(larghezza, gr->larghezzaTesti(c));
  for (int c = 1; c < gr->cols(); ++c) gr->setColWidth(c, larghezza);
  const int bordo = 2 * gr->frameWidth();
  gr->setFixedSize(ui::Pixel(300) + (gr->cols() - 1) * ui::Pixel(larghezza) + bordo,
                   11 * ui::Pixel(kAltezzaRiga) + bordo);
}

ui::Griglia* CDF::griglia(int g) const {
  switch (g) {
    case cdf::PCad:
      return PCad;
    case cdf::PDec:
      return PDec;
    case cdf::PFig:
      return PFig;
    case cdf::RCad:
      return RCad;
    case cdf::RDec:
      return RDec;
    default:
      return RFig;
  }
}

int CDF::Numero(const QLineEdit* casella) {
  const long long n = ui::NumeroIniziale(casella->text());
  return static_cast<int>(std::clamp<long long>(n, 0, std::numeric_limits<int>::max()));
}

cdf::Evidenziazione CDF::evidenziazione() const {
  return {CkPreMin->isChecked(), Numero(TxMinP), CkPreMax->isChecked(),
          Numero(TxMaxP),        CkRitMax->isChecked(), Numero(TxMaxR)};
}

void CDF::OptSorte_Click(int Index) {
  SorteScelta = Index + 1;
  impostaEvidenziazione(cdf::ValoriSorte(SorteScelta));
  Sli_Change();
}

void CDF::impostaEvidenziazione(const cdf::Evidenziazione& ev) {
  CkPreMin->setChecked(ev.CkPreMin);
  TxMinP->setText(QString::number(ev.TxMinP));
  CkPreMax->setChecked(ev.CkPreMax);
  TxMaxP->setText(QString::number(ev.TxMaxP));
  CkRitMax->setChecked(ev.CkRitMax);
  TxMaxR->setText(QString::number(ev.TxMaxR));
}

void CDF::rifiutaCiclo(const QString& messaggio) {
  ui::Msg(this, messaggio, ui::Icona::Critica);
  TxCiclo->setFocus();
  TxCiclo->selectAll();
}

void CDF::CmdRicalcola_Click() {
  auto r = cdf::Calcola_Cadenze_Decine_Figure(CopiaArchivio, CopiaArchivio.contaEstrazioni(),
                                              EstrRiferimento, Numero(TxCiclo), SorteScelta,
                                              evidenziazione());
  if (!r) return rifiutaCiclo(ui::Q(r.motivo()));
  // The hourglass only while the grids fill: a refusal's box keeps the arrow.
  ui::Clessidra clessidra;
  mostra(*r);
  mCalcolo = std::move(r).prendi();
  mTestoCiclo = TxCiclo->text();
}

void CDF::mostra(const cdf::Calcolo& c) {
  Label1->setText(QString::number(c.riferimento));
  LbData->setText(ui::Q(c.dataRiferimento));
  Panels[1]->setText(ui::Q(c.barraStato[0]));
  Panels[2]->setText(ui::Q(c.barraStato[1]));
  for (int g = 0; g < cdf::kGriglie; ++g) {
    ui::Griglia* gr = griglia(g);
    const cdf::TabellaClassi& t = c.griglie[g];
    gr->setRedraw(false);
    for (int w = 1; w <= 10; ++w)
      for (int k = 1; k <= cdf::Classi(g); ++k) {
        gr->setTextMatrix(w, k, QString::number(t.valore[w][k]));
        gr->setCellBackColor(w, k, ui::Colore(t.colori[w][k].sfondo));
        gr->setCellForeColor(w, k, ui::Colore(t.colori[w][k].testo));
      }
    dimensionaColonne(gr);
    gr->setRedraw(true);
  }
  // Wider figures widen the grids: the window grows to keep all in view.
  ui::Finestre::Adatta(this);
}

void CDF::Sli_Change() {
  // The cycle must not reach before draw 1: the scroll bar starts at the
  // cycle length, unless that lies past its end (the check then refuses).
  const int ciclo = Numero(TxCiclo);
  if (ciclo > Sli->value() && ciclo <= Sli->maximum()) {
    const QSignalBlocker blocco(Sli);
    Sli->setMinimum(ciclo);
    Sli->setValue(ciclo);
  }
  EstrRiferimento = Sli->value();
  CmdRicalcola_Click();
}

void CDF::Sli_Scroll(int posizione) {
  EstrRiferimento = posizione;
  scriviIntestazione(posizione);
}

void CDF::scriviIntestazione(int d) {
  Label1->setText(QString::number(d));
  const bool esiste = d >= 1 && d <= CopiaArchivio.contaEstrazioni();
  LbData->setText(esiste ? ui::Q(Inizio::DataBreve(CopiaArchivio, d)) : QString());
}

void CDF::CmdEst_Click(int Index) {
  const int ciclo = Numero(TxCiclo);
  if (ciclo == 0) return rifiutaCiclo(ui::Q(cdf::kCicloZeroPassi));
  int meta = 0;
  if (Index == 2) {
    // The range end, within the scroll bar's bounds.
    meta = std::clamp(mStato.EstrFine, Sli->minimum(), Sli->maximum());
    if (EstrRiferimento == meta) return;
    if (ciclo > meta) TxCiclo->setText(QString::number(meta));
  } else {
    // The first full cycle: draws 1 to N.
    if (ciclo == EstrRiferimento) return;
    if (ciclo > Sli->maximum()) return rifiutaCiclo(ui::Q(cdf::kCicloLungo));
    meta = ciclo;
    if (Sli->minimum() > meta) {
      const QSignalBlocker blocco(Sli);
      Sli->setMinimum(meta);
    }
  }
  EstrRiferimento = meta;
  if (Sli->value() == meta)
    Sli_Change();
  else
    Sli->setValue(meta);
}

void CDF::CmdAggiorna_Click() {
  const bool cambiato = mInizioPreso != mStato.EstrInizio || EstrMassima != mStato.EstrFine;
  EstrMassima = mStato.EstrFine;
  mInizioPreso = mStato.EstrInizio;
  // With the range unchanged the reference draw stays where it is.
  if (!cambiato) return;
  {
    const QSignalBlocker blocco(Sli);
    Sli->setRange(mStato.EstrInizio, mStato.EstrFine);
    Sli->setValue(mStato.EstrFine);
  }
  Sli_Change();
}

void CDF::stampa_Click() {
  // Nothing computed yet: the grids hold no figures to report.
  if (!mCalcolo) return;
  const Esito e =
      cdf::ScriviOutput(mStato.CartellaProgramma, cdf::RigheOutput(*mCalcolo, ui::S(mTestoCiclo)));
  if (!e) ui::Msg(this, ui::Q(e.motivo()), ui::Icona::Critica);
}

void CDF::TxCiclo_KeyPress(int& KeyAscii) { FiltraCifre(KeyAscii); }
void CDF::TxMinP_KeyPress(int& KeyAscii) { FiltraCifre(KeyAscii); }
void CDF::TxMaxP_KeyPress(int& KeyAscii) { FiltraCifre(KeyAscii); }
void CDF::TxMaxR_KeyPress(int& KeyAscii) { FiltraCifre(KeyAscii); }

bool CDF::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return QWidget::eventFilter(oggetto, evento);
  const auto* tasto = static_cast<const QKeyEvent*>(evento);
  // Only typed characters go through the filter: navigation keys and editing
  // shortcuts keep working.
  const bool indietro = tasto->key() == Qt::Key_Backspace;
  if (tasto->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) return false;
  if (!indietro && (tasto->text().isEmpty() || !tasto->text().front().isPrint())) return false;
  int KeyAscii = indietro ? 8 : tasto->text().front().unicode();
  if (oggetto == TxCiclo)
    TxCiclo_KeyPress(KeyAscii);
  else if (oggetto == TxMinP)
    TxMinP_KeyPress(KeyAscii);
  else if (oggetto == TxMaxP)
    TxMaxP_KeyPress(KeyAscii);
  else if (oggetto == TxMaxR)
    TxMaxR_KeyPress(KeyAscii);
  return KeyAscii == 0;
}
