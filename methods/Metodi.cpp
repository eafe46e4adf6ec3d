// The method tester's window: its controls, their first state and layout,
// and the switch between its two pages.
#include "methods/Metodi.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/nomi.h"
#include "methods/descrizione.h"
#include "methods/pronostico.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Font.h"
#include "ui/PannelloTesto.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

constexpr int kAiutoPronostici = 90010;
constexpr int kAiutoVerifica = 90020;
constexpr int kLarghezza = 11950;  // twips of the window's client area
// Twips of the options frame: the month names need more room in this
// system's font than in the design's, so the report pane starts a little
// further right and ends where the design ends it.
constexpr int kLarghezzaOpzioni = 3150;
// Twips: the report pane of page 2 as designed, and the margin it keeps from
// the window's right and bottom edges.
constexpr int kSinistraTesto = 120 + kLarghezzaOpzioni + 80;
constexpr int kAltoTesto = 400;
constexpr int kLarghezzaTesto = 3100 + 8600 - 200 - kLarghezzaOpzioni;
constexpr int kAltezzaTesto = 6000;
constexpr int kMargine = 90;

void Colloca(QWidget* w, int x, int y, int larghezza, int altezza) {
  w->setGeometry(ui::Pixel(x), ui::Pixel(y), ui::Pixel(larghezza), ui::Pixel(altezza));
}

QPushButton* Pulsante(const char* nome, const QString& caption) {
  auto* b = new QPushButton(caption);
  b->setObjectName(QString::fromLatin1(nome));
  return b;
}

QComboBox* Lista(const QString& nome) {
  auto* c = new QComboBox;
  c->setObjectName(nome);
  c->setMaxVisibleItems(20);
  return c;
}

QCheckBox* Casella(const QString& nome, const QString& caption) {
  auto* c = new QCheckBox(caption);
  c->setObjectName(nome);
  return c;
}

QListWidget* Elenco(const char* nome) {
  auto* l = new QListWidget;
  l->setObjectName(QString::fromLatin1(nome));
  l->setSelectionMode(QAbstractItemView::SingleSelection);
  l->setMouseTracking(true);
  return l;
}

}  // namespace

Metodi::Metodi(const ui::Contesto& contesto, QWidget* parent)
    : Metodi(contesto, metodi::Lotto(), parent) {}

Metodi::Metodi(const ui::Contesto& contesto, const metodi::Regole& regole, QWidget* parent)
    : QWidget(parent), mContesto(contesto), mRegole(regole) {
  setObjectName(QStringLiteral("Metodi"));
  ui::Nomina(this, QStringLiteral("Metodi"));
  ui::Finestre::NascondeLimiti(this);
  QFont carattere = font();
  carattere.setPointSize(8);
  setFont(carattere);

  TbMet = new QTabBar(this);
  TbMet->setObjectName(QStringLiteral("TbMet"));
  TbMet->addTab(QStringLiteral("&Pronostici"));
  TbMet->addTab(QStringLiteral("&Verifica"));
  Colloca(TbMet, 60, 30, kLarghezza - 120, 330);
  creaComposizione();
  creaGruppo();
  creaOpzioni();
  creaComandi();
  Text1 = new ui::PannelloTesto(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setAccessibleName(QStringLiteral("Risultati"));
  Text1->setFont(ui::FontRapporto(9));
  connect(TbMet, &QTabBar::currentChanged, this, &Metodi::TbMet_Click);
  // Page 1's composer reaches down as far as page 2's buttons, and is never
  // shorter than its controls need.
  mFondo = std::max(ui::Twip(Cmd[3]->geometry().bottom()), 420 + ui::Twip(Frame7->sizeHint().height()));
  Frame7->resize(Frame7->width(), ui::Pixel(mFondo - 420));
  ui::Finestre::ImpostaDimensioni(this, kLarghezza + 120, mFondo + 120 + 450);

  Form_Load();
}

void Metodi::creaComposizione() {
  Frame7 = new QGroupBox(QStringLiteral("Numeri"), this);
  Frame7->setObjectName(QStringLiteral("Frame7"));
  Colloca(Frame7, 120, 420, 6600, 6420);
  auto* numeri = new QVBoxLayout(Frame7);
  numeri->setContentsMargins(6, 2, 6, 4);
  numeri->setSpacing(3);

  Frame1 = new QGroupBox(QStringLiteral("Calcolo"));
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* calcolo = new QGridLayout(Frame1);
  calcolo->setContentsMargins(6, 2, 6, 4);
  calcolo->setVerticalSpacing(3);
  CmbEstratto = Lista(QStringLiteral("CmbEstratto"));
  for (int p = 1; p <= 5; ++p) CmbEstratto->addItem(QString::number(p) + QStringLiteral("°"));
  CMbRuotaCalcolo = Lista(QStringLiteral("CMbRuotaCalcolo"));
  for (std::string_view codice : metodi::kCodiciRuota) CMbRuotaCalcolo->addItem(ui::Q(codice));
  CmbFissi = Lista(QStringLiteral("CmbFissi"));
  tastogriglia = Pulsante("tastogriglia", QStringLiteral("Griglia"));
  auto* estratto = new QLabel(QStringLiteral("Estratto"));
  auto* ruota = new QLabel(QStringLiteral("&Ruota"));
  ruota->setBuddy(CMbRuotaCalcolo);
  estratto->setBuddy(CmbEstratto);
  auto* fisso = new QLabel(QStringLiteral("Fisso"));
  fisso->setBuddy(CmbFissi);
  calcolo->addWidget(estratto, 0, 0);
  calcolo->addWidget(ruota, 0, 1);
  calcolo->addWidget(fisso, 0, 2);
  calcolo->addWidget(CmbEstratto, 1, 0);
  calcolo->addWidget(CMbRuotaCalcolo, 1, 1);
  calcolo->addWidget(CmbFissi, 1, 2);
  calcolo->addWidget(tastogriglia, 1, 3);
  OptOperatore[0] = new QRadioButton(QStringLiteral("&Somma"));
  OptOperatore[1] = new QRadioButton(QStringLiteral("S&ottrai"));
  for (int i = 0; i < 2; ++i) {
    OptOperatore[i]->setObjectName(QStringLiteral("OptOperatore%1").arg(i));
    calcolo->addWidget(OptOperatore[i], 2, i);
    connect(OptOperatore[i], &QRadioButton::clicked, this, [this, i] { OptOperatore_Click(i); });
  }
  OptOperatore[0]->setChecked(true);
  CmdAggiungi = Pulsante("CmdAggiungi", QStringLiteral("&Aggiungi a Calcolo"));
  CmdLeva = Pulsante("CmdLeva", QStringLiteral("&Rimuovi da Calcolo"));
  Command2 = Pulsante("Command2", QStringLiteral("Pu&lisci"));
  calcolo->addWidget(CmdAggiungi, 3, 0, 1, 2);
  calcolo->addWidget(CmdLeva, 3, 2, 1, 2);
  ListCalcoli = Elenco("ListCalcoli");
  ListCalcoli->setAccessibleName(QStringLiteral("Calcolo"));
  ListCalcoli->setFixedHeight(ui::Pixel(960));
  calcolo->addWidget(ListCalcoli, 4, 0, 1, 4);
  CmdPronostico = Pulsante("CmdPronostico", QStringLiteral("Aggiungi al &Pronostico"));
  calcolo->addWidget(CmdPronostico, 5, 0, 1, 2);
  calcolo->addWidget(Command2, 5, 2, 1, 2);
  numeri->addWidget(Frame1);

  FramePronostico = new QGroupBox(QStringLiteral("Pronostico"));
  FramePronostico->setObjectName(QStringLiteral("FramePronostico"));
  auto* pronostico = new QGridLayout(FramePronostico);
  pronostico->setContentsMargins(6, 2, 6, 4);
  pronostico->setVerticalSpacing(3);
  ListRit = Elenco("ListRit");
  ListRit->setAccessibleName(QStringLiteral("Pronostico"));
  ListRit->viewport()->installEventFilter(this);
  std::vector<std::pair<int, const char*>> pulsanti = {
      {1, "&Elimina"}, {3, "&Svuota"}, {5, "&Su"}, {6, "&Giù"}};
  if (mRegole.modificaElemento) pulsanti.insert(pulsanti.begin() + 1, {2, "&Modifica"});
  const int righe = static_cast<int>(pulsanti.size());
  pronostico->addWidget(ListRit, 0, 0, righe, 1);
  Frame9 = new QGroupBox(ui::Q(mRegole.cornice));
  Frame9->setObjectName(QStringLiteral("Frame9"));
  auto* sorti = new QVBoxLayout(Frame9);
  sorti->setSpacing(0);
  for (int k = 1; k <= 5; ++k) {
    OptSorte[k] = Casella(QStringLiteral("OptSorte%1").arg(k), ui::Q(mRegole.caselleSorte[k - 1]));
    sorti->addWidget(OptSorte[k]);
    connect(OptSorte[k], &QCheckBox::stateChanged, this, [this, k] { OptSorte_Click(k); });
  }
  pronostico->addWidget(Frame9, 0, 1, righe, 1);
  int riga = 0;
  for (const auto& [indice, caption] : pulsanti) {
    CmdNum[indice] = Pulsante("CmdNum", QString::fromUtf8(caption));
    CmdNum[indice]->setObjectName(QStringLiteral("CmdNum%1").arg(indice));
    pronostico->addWidget(CmdNum[indice], riga++, 2);
  }
  CmdNum[4] = Pulsante("CmdNum4", QStringLiteral("&Aggiungi al &Gruppo"));
  pronostico->addWidget(CmdNum[4], righe, 0, 1, 3);
  pronostico->setColumnStretch(0, 1);
  numeri->addWidget(FramePronostico, 1);

  auto* estrazione = new QHBoxLayout;
  Label5 = new QLabel(QStringLiteral("Estrazione di calcolo"));
  Label5->setObjectName(QStringLiteral("Label5"));
  CmbEst = Lista(QStringLiteral("CmbEst"));
  Label5->setBuddy(CmbEst);
  for (std::string_view voce : metodi::kVociEstrazioneCalcolo) CmbEst->addItem(ui::Q(voce));
  estrazione->addWidget(Label5);
  estrazione->addWidget(CmbEst, 1);
  numeri->addLayout(estrazione);

  connect(CmbEstratto, &QComboBox::currentIndexChanged, this, &Metodi::CmbEstratto_Click);
  connect(tastogriglia, &QPushButton::clicked, this, &Metodi::tastogriglia_Click);
  connect(CmdAggiungi, &QPushButton::clicked, this, &Metodi::CmdAggiungi_Click);
  connect(CmdLeva, &QPushButton::clicked, this, &Metodi::CmdLeva_Click);
  connect(Command2, &QPushButton::clicked, this, &Metodi::Command2_Click);
  connect(CmdPronostico, &QPushButton::clicked, this, &Metodi::CmdPronostico_Click);
}

void Metodi::creaGruppo() {
  Frame3 = new QGroupBox(QStringLiteral("Gruppo Pronostici"), this);
  Frame3->setObjectName(QStringLiteral("Frame3"));
  Colloca(Frame3, 6840, 420, kLarghezza - 6840 - 60, 5600);
  auto* gruppo = new QGridLayout(Frame3);
  ListPro = Elenco("ListPro");
  ListPro->setAccessibleName(QStringLiteral("Gruppo Pronostici"));
  ListPro->setFont(ui::FontRapporto(8.25));
  ListPro->viewport()->installEventFilter(this);
  gruppo->addWidget(ListPro, 0, 0, 1, 2);
  const std::pair<int, const char*> pulsanti[] = {{7, "S&u"},
                                                  {8, "G&iù"},
                                                  {9, "Eli&mina"},
                                                  {10, "S&vuota"},
                                                  {11, "&Dettagli Pronostico"},
                                                  {12, "Riepi&logo Metodo"},
                                                  {13, "Correggi"}};
  int i = 0;
  for (const auto& [indice, caption] : pulsanti) {
    CmdNum[indice] = Pulsante("CmdNum", QString::fromUtf8(caption));
    CmdNum[indice]->setObjectName(QStringLiteral("CmdNum%1").arg(indice));
    gruppo->addWidget(CmdNum[indice], 1 + i / 2, i % 2);
    ++i;
  }
  for (auto& [indice, pulsante] : CmdNum)
    connect(pulsante, &QPushButton::clicked, this, [this, k = indice] { CmdNum_Click(k); });
}

void Metodi::creaOpzioni() {
  Frame6 = new QGroupBox(QStringLiteral("Opzioni Metodo"), this);
  Frame6->setObjectName(QStringLiteral("Frame6"));
  auto* opzioni = new QGridLayout(Frame6);
  opzioni->setContentsMargins(4, 2, 4, 4);
  opzioni->setHorizontalSpacing(3);
  opzioni->setVerticalSpacing(2);
  for (int i = 0; i < 2; ++i) {
    CmbMese[i] = Lista(QStringLiteral("CmbMese%1").arg(i));
    CmbAnno[i] = Lista(QStringLiteral("CmbAnno%1").arg(i));
    connect(CmbMese[i], &QComboBox::currentIndexChanged, this, [this, i] { CmbMese_Click(i); });
    connect(CmbAnno[i], &QComboBox::currentIndexChanged, this, [this, i] { CmbAnno_Click(i); });
  }
  const char* fini[] = {"A", "Fino ad Ultima Estrazione", "Numero Cicli"};
  for (int i = 0; i < 3; ++i) {
    OptUltCic[i] = new QRadioButton(QString::fromLatin1(fini[i]));
    OptUltCic[i]->setObjectName(QStringLiteral("OptUltCic%1").arg(i));
    connect(OptUltCic[i], &QRadioButton::toggled, this, [this, i](bool scelta) {
      if (scelta) OptUltCic_Click(i);
    });
  }
  Label7 = new QLabel(QStringLiteral("DA"));
  Label7->setObjectName(QStringLiteral("Label7"));
  CmbCicli = Lista(QStringLiteral("CmbCicli"));
  Label7->setBuddy(CmbMese[0]);
  Label1 = new QLabel(QStringLiteral("Numero Colpi"));
  Label1->setObjectName(QStringLiteral("Label1"));
  TxtColpi = Lista(QStringLiteral("TxtColpi"));
  Label1->setBuddy(TxtColpi);
  for (int i = 0; i < 2; ++i) {
    CmbMese[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CmbMese[i]->setMinimumContentsLength(9);
    CmbAnno[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CmbAnno[i]->setMinimumContentsLength(4);
  }
  for (QComboBox* c : {CmbAnno[0], CmbAnno[1], CmbCicli, TxtColpi})
    c->setFixedWidth(ui::Pixel(870));
  opzioni->setColumnStretch(1, 1);
  opzioni->addWidget(Label7, 0, 0);
  opzioni->addWidget(CmbMese[0], 0, 1);
  opzioni->addWidget(CmbAnno[0], 0, 2);
  opzioni->addWidget(OptUltCic[0], 1, 0);
  opzioni->addWidget(CmbMese[1], 1, 1);
  opzioni->addWidget(CmbAnno[1], 1, 2);
  opzioni->addWidget(OptUltCic[1], 2, 0, 1, 3);
  opzioni->addWidget(OptUltCic[2], 3, 0, 1, 2);
  opzioni->addWidget(CmbCicli, 3, 2);
  opzioni->addWidget(Label1, 4, 0, 1, 2);
  opzioni->addWidget(TxtColpi, 4, 2);
  CkInterrompi =
      Casella(QStringLiteral("CkInterrompi"), QStringLiteral("Interrompi a prima sortita"));
  CkPositivi =
      Casella(QStringLiteral("CkPositivi"), QStringLiteral("Evidenzia solo casi positivi"));
  CkRiepilogo = Casella(QStringLiteral("CkRiepilogo"), QStringLiteral("Solo Riepilogo"));
  CkParziali = Casella(QStringLiteral("CkParziali"), QStringLiteral("Riepiloghi Parziali"));
  int riga = 5;
  for (QCheckBox* c : {CkInterrompi, CkPositivi, CkRiepilogo, CkParziali})
    opzioni->addWidget(c, riga++, 0, 1, 3);
  connect(CkPositivi, &QCheckBox::stateChanged, this, &Metodi::CkPositivi_Click);
  connect(CkRiepilogo, &QCheckBox::stateChanged, this, &Metodi::CkRiepilogo_Click);

  Frame2 = new QGroupBox(QStringLiteral("Ruote"));
  Frame2->setObjectName(QStringLiteral("Frame2"));
  auto* ruote = new QGridLayout(Frame2);
  ruote->setContentsMargins(3, 0, 0, 2);
  ruote->setHorizontalSpacing(2);
  ruote->setVerticalSpacing(0);
  for (int w = 1; w <= 11; ++w) {
    const QString nome =
        w == 11 ? QStringLiteral("TUTTE") : ui::Q(Inizio::NomiRuote[static_cast<std::size_t>(w)]);
    CheckRuota[w] = Casella(QStringLiteral("CheckRuota%1").arg(w), nome);
    ruote->addWidget(CheckRuota[w], (w - 1) % 6, (w - 1) / 6);
    connect(CheckRuota[w], &QCheckBox::stateChanged, this, [this, w] { CheckRuota_Click(w); });
  }
  opzioni->addWidget(Frame2, riga, 0, 1, 3);
  Frame2->setVisible(mRegole.ruote);
  // A greyed box read from a method file becomes a plain box once clicked.
  for (QCheckBox* c : Frame6->findChildren<QCheckBox*>())
    connect(c, &QCheckBox::clicked, c, [c] { c->setTristate(false); });
  Frame6->adjustSize();
  Colloca(Frame6, 120, 360, kLarghezzaOpzioni, std::max(5000, ui::Twip(Frame6->sizeHint().height())));
}

void Metodi::creaComandi() {
  const char* captions[] = {"Elabora",      "Esci",         "Stampa",
                            "Salva Output", "Salva Metodo", "Apri Metodo"};
  for (int i = 0; i <= 5; ++i) {
    Cmd[i] = Pulsante("Cmd", QString::fromLatin1(captions[i]));
    Cmd[i]->setObjectName(QStringLiteral("Cmd%1").arg(i));
    Cmd[i]->setParent(this);
    connect(Cmd[i], &QPushButton::clicked, this, [this, i] { Cmd_Click(i); });
  }
  // Page 1: under the method list; page 2: under the options.
  const int sotto = 420 + 5600 + 120;
  Colloca(Cmd[5], 6840, sotto, 1600, 400);
  Colloca(Cmd[4], 6840 + 1660, sotto, 1600, 400);
  Colloca(Cmd[1], kLarghezza - 60 - 1600, sotto, 1600, 400);
  const int base = Frame6->geometry().bottom() * ui::kTwipPerPixel + 120;
  Colloca(Cmd[0], 500, base, 2000, 400);
  Colloca(Cmd[2], 500, base + 460, 2000, 400);
  Colloca(Cmd[3], 500, base + 920, 2000, 400);
  Cmd[2]->setEnabled(false);
  Cmd[3]->setEnabled(false);
}

// --- Set-up ------------------------------------------------------------------

void Metodi::Form_Load() {
  TbMet_Click();
  ControlloPeriodo = 0;
  const Stato& s = mContesto.stato();
  mBase = metodi::PreparaBase(s.ArchivioEstrazioni, s.indici);
  UltimaEstrValida = mBase.ultima;
  UltimaChiudeMese = mBase.ultimaChiudeMese;
  if (UltimaEstrValida == 0) {
    ui::Finestre::Rinuncia(this, QStringLiteral("L'archivio non contiene estrazioni valide: "
                                                "impossibile verificare i metodi."));
    return;
  }
  mTavola.emplace(mRegole.CreaTavola(s, UltimaEstrValida));

  CmbEst->setCurrentIndex(0);
  CMbRuotaCalcolo->setCurrentIndex(0);
  for (int n = 0; n <= 89; ++n)
    CmbFissi->addItem(QString::number(n).rightJustified(2, QLatin1Char(' ')));
  CmbEstratto->setCurrentIndex(0);
  CmbEstratto_Click();
  for (int n = 1; n <= 100; ++n) {
    TxtColpi->addItem(ui::Q(metodi::TestoColpi(n)));
    CmbCicli->addItem(QString::number(n));
  }
  TxtColpi->setCurrentIndex(mRegole.colpiIniziali - 1);
  CmbFissi->setCurrentIndex(0);
  CmbCicli->setCurrentIndex(0);
  for (int i = 0; i < 2; ++i) {
    for (int m = 1; m <= 12; ++m)
      CmbMese[i]->addItem(ui::Q(Inizio::NomiMesi[static_cast<std::size_t>(m)]));
    for (const std::string& anno : s.indici.AnniArchivio)
      CmbAnno[i]->addItem(ui::Q(anno.substr(0, 4)));
  }
  CmbMese[0]->setCurrentIndex(0);
  CmbMese[1]->setCurrentIndex(s.ArchivioEstrazioni.mese(UltimaEstrValida) - 1);
  for (QComboBox* anno : CmbAnno) anno->setCurrentIndex(anno->count() - 1);
  OptUltCic[1]->setChecked(true);
  CkInterrompi->setChecked(true);
  if (!mRegole.ruote) CheckRuota[1]->setChecked(true);
  ListCalcoli->clear();
  ListRit->clear();
  ListPro->clear();
  ControlloPeriodo = UltimaEstrValida;
  EstrInizioTest = 1;
  EstrFineTest = UltimaEstrValida;
  if (Frame7->isVisible()) CmbEst->setFocus();
  CartellaAvvio = ui::servizi().impostazioni->leggi(QStringLiteral("Avvio"),
                                                    ui::Q(mRegole.chiaveCartella), QString());
}

void Metodi::TbMet_Click() {
  const bool pronostici = TbMet->currentIndex() <= 0;
  for (int i : {0, 2, 3}) Cmd[i]->setVisible(!pronostici);
  Text1->setVisible(!pronostici);
  Frame6->setVisible(!pronostici);
  for (int i : {5, 4, 1}) Cmd[i]->setVisible(pronostici);
  Frame3->setVisible(pronostici);
  Frame7->setVisible(pronostici);
  if (pronostici) {
    Disponi();
    setProperty("argomentoAiuto", kAiutoPronostici);
    return;
  }
  for (int i : {0, 2, 3}) Cmd[i]->move(ui::Pixel(500), Cmd[i]->y());
  if (!mTesto.empty()) {
    Cmd[2]->setEnabled(true);
    Cmd[3]->setEnabled(true);
  }
  Frame6->move(ui::Pixel(120), ui::Pixel(360));
  // The report pane right of the options, up to the window's right edge.
  Colloca(Text1, kSinistraTesto, kAltoTesto, kLarghezzaTesto, kAltezzaTesto);
  Disponi();
  CmbMese[0]->setFocus();
  setProperty("argomentoAiuto", kAiutoVerifica);
}

QSize Metodi::sizeHint() const {
  const QSize testo = Text1->sizeHint();
  return {ui::Pixel(kSinistraTesto + kMargine) + testo.width(), ui::Pixel(kAltoTesto + kMargine) + testo.height()};
}

// The controls stand where they were placed: a window smaller than that
// would cut the bottom ones off, where a host too small scrolls it instead.
QSize Metodi::minimumSizeHint() const { return {ui::Pixel(kLarghezza), ui::Pixel(mFondo + 120)}; }

void Metodi::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Disponi();
}

void Metodi::Disponi() {
  // Twips the window has beyond its designed inner size.
  const int piuLargo = std::max(0, ui::Twip(width()) - kLarghezza);
  const int piuAlto = std::max(0, ui::Twip(height()) - (mFondo + 120));
  TbMet->resize(ui::Pixel(kLarghezza - 120 + piuLargo), TbMet->height());
  if (Text1->isVisibleTo(this)) {
    // The report reaches the window's right and bottom edges.
    Text1->resize(std::max(width() - ui::Pixel(kSinistraTesto + kMargine), 100),
                  std::max(height() - ui::Pixel(kAltoTesto + kMargine), 60));
    return;
  }
  // Page 1: the method list grows right and down; its buttons end where the
  // composer ends, or at the bottom of a taller window.
  const int destra = kLarghezza - 60 + piuLargo;
  const int sotto = std::max(420 + 5600 + 120, mFondo + piuAlto - 400);
  Colloca(Frame3, 6840, 420, destra - 6840, sotto - 120 - 420);
  Colloca(Cmd[5], 6840, sotto, 1600, 400);
  Colloca(Cmd[4], 6840 + 1660, sotto, 1600, 400);
  Colloca(Cmd[1], destra - 1600, sotto, 1600, 400);
}

bool Metodi::eventFilter(QObject* oggetto, QEvent* evento) {
  // ListRit_MouseMove, ListPro_MouseMove: the tooltip is the whole line under the pointer.
  if (evento->type() == QEvent::MouseMove) {
    for (QListWidget* l : {ListRit, ListPro})
      if (oggetto == l->viewport()) {
        const QListWidgetItem* sotto =
            l->itemAt(static_cast<QMouseEvent*>(evento)->position().toPoint());
        ui::SuggerimentoSemplice(l, sotto ? sotto->text() : QString());
      }
  }
  return QWidget::eventFilter(oggetto, evento);
}

void Metodi::closeEvent(QCloseEvent* e) {
  // Form_QueryUnload: never refuses; the range bar comes back.
  mContesto.finestre.mostraBarraLimiti();
  e->accept();
}
