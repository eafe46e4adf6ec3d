#include "app/MDIForm1.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/frmAbout.h"
#include "archive/Extrazioni.h"
#include "boards/CDF.h"
#include "boards/ExtraRuota.h"
#include "boards/TabAna.h"
#include "boards/Tabellone1.h"
#include "boards/Tabellone2.h"
#include "forecast/AAM.h"
#include "forecast/MetodiD.h"
#include "forecast/Spia.h"
#include "methods/Metodi.h"
#include "methods/MetodiS.h"
#include "stats/StatData.h"
#include "stats/StatGRit.h"
#include "stats/StatRicerca.h"
#include "stats/TabForm.h"
#include "ui/BarraValore.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Icone.h"
#include "ui/NomiAccessibili.h"
#include "ui/Servizi.h"
#include "ui/Sessione.h"
#include "ui/Tastiera.h"
#include "ui/Testo.h"

namespace {

using Gestore = void (MDIForm1::*)();

struct Voce {
  const char* nome;
  const char* caption;
  Gestore gestore;  // nullptr: separator
};

struct Menu {
  const char* nome;
  const char* caption;
  std::vector<Voce> voci;
};

const std::vector<Menu>& TabellaMenu() {
  static const std::vector<Menu> menu = {
      {"MnuEst", "&Estrazioni",
       {{"MnuEstGest", "&Gestione Estrazioni", &MDIForm1::MnuEstGest_Click},
        {"MnuEstTabAna", "&Tabellone Analitico", &MDIForm1::MnuEstTabAna_Click}}},
      {"MnuRsc", "&RSC",
       {{"MnuRscTab1", "&Tabellone Analitico RSC", &MDIForm1::MnuRscTab1_Click},
        {"MnuRscTab2", "Tabellone &Ritardi Misti RSC", &MDIForm1::MnuRscTab2_Click},
        {"MnuRscStat", "&Statistiche Gruppi Ritardo", &MDIForm1::MnuRscStat_Click}}},
      {"Stat", "&Statistiche",
       {{"MnuEstTabRuo", "&Tabella Estratti per Ruota", &MDIForm1::MnuEstTabRuo_Click},
        {"MnuEstCDF", "&Rit/Pre Cadenze,Decine,Figure", &MDIForm1::MnuEstCDF_Click},
        {"MnuStatAnaNum", "&Analisi Formazioni Numeriche", &MDIForm1::MnuStatAnaNum_Click},
        {"MnuStatLaData", "Statistica sulla &Data di Estrazione", &MDIForm1::MnuStatLaData_Click},
        {"MnuStatSep", "-", nullptr},
        {"MnuStatTab", "&Gestione Tebelle Formazioni Numeriche", &MDIForm1::MnuStatTab_Click}}},
      {"MnuPrevisioni", "&Previsioni",
       {{"MnuPrevAAM", "A&mbate ad Attesa Minima", &MDIForm1::MnuPrevAAM_Click},
        {"MnuPrevSpia", "Numeri &Spia", &MDIForm1::MnuPrevSpia_Click},
        {"mnuPrevMetodiT", "Method &Testing", &MDIForm1::mnuPrevMetodiT_Click},
        {"mnuPrevMetodiD", "Method &Detector", &MDIForm1::mnuPrevMetodiD_Click},
        {"mnuPrevMetodiS", "Method Testing S&uperEnalotto", &MDIForm1::mnuPrevMetodiS_Click}}},
  };
  return menu;
}

struct Tasto {
  const char* chiave;  // nullptr: separator
  const char* suggerimento;
  const char* voce;    // the menu item with the same action
};

const std::vector<Tasto>& TabellaTasti() {
  static const std::vector<Tasto> tasti = {
      {"BtnEstGest", "Gestione Estrazioni", "MnuEstGest"},
      {"BtnEstTabAna", "Tabellone Analitico", "MnuEstTabAna"},
      {"BtnTabRuo", "Tabella Estratti per Ruota", "MnuEstTabRuo"},
      {"BtnCDF", "Cadenze,Decine,Figure (Rit & Pre)", "MnuEstCDF"},
      {"BtnAnaNum", "Analisi Formazioni Numeriche", "MnuStatAnaNum"},
      {"BtnData", "'sta Data sorte o non sorte ?", "MnuStatLaData"},
      {nullptr, nullptr, nullptr},
      {"BtnTab1", "Tabellone Analitico RSC", "MnuRscTab1"},
      {"BtnTab2", "Tabellone Ritardi Misti RSC", "MnuRscTab2"},
      {"BtnStatistica", "Statistiche Gruppi Ritardo RSC", "MnuRscStat"},
      {nullptr, nullptr, nullptr},
      {"BtnAAM", "Ambate ad Attesa Minima", "MnuPrevAAM"},
      {"BtnSpia", "Numeri Spia", "MnuPrevSpia"},
      {"BtnMetFN", "Test Metodi", "mnuPrevMetodiT"},
      {"BtnMetodiD", "Method Detector", "mnuPrevMetodiD"},
      {"BtnMetodiS", "Test Metodi Superenalotto", "mnuPrevMetodiS"},
      {nullptr, nullptr, nullptr},
      {"TabFnum", "Tabella Formazioni Numeriche", "MnuStatTab"},
      {nullptr, nullptr, nullptr},
      {nullptr, nullptr, nullptr},
      {"BtnHelp", "HELP - F1", "MnuHelp"},
  };
  return tasti;
}

// Tools whose windows the program has; the other items stay disabled.
bool Disponibile(const QString& voce) {
  static const QStringList disponibili = {QStringLiteral("MnuHelp"), QStringLiteral("MnuAbout"),
                                          QStringLiteral("mnuPrevMetodiT"),
                                          QStringLiteral("MnuEstGest"), QStringLiteral("MnuEstTabAna"),
                                          QStringLiteral("MnuRscTab1"), QStringLiteral("MnuRscTab2"),
                                          QStringLiteral("MnuEstTabRuo"), QStringLiteral("MnuEstCDF"),
                                          QStringLiteral("MnuRscStat"), QStringLiteral("MnuStatLaData"),
                                          QStringLiteral("MnuStatTab"), QStringLiteral("MnuStatAnaNum"),
                                          QStringLiteral("MnuPrevAAM"), QStringLiteral("MnuPrevSpia"),
                                          QStringLiteral("mnuPrevMetodiD"),
                                          QStringLiteral("mnuPrevMetodiS")};
  return disponibili.contains(voce);
}

QString Anno(const QString& etichetta) { return etichetta.trimmed().right(4); }

}  // namespace

MDIForm1::MDIForm1(Programma& programma, QWidget* parent)
    : QMainWindow(parent), mProgramma(programma) {
  setObjectName(QStringLiteral("MDIForm1"));
  setAttribute(Qt::WA_DeleteOnClose);
  mArea = new QMdiArea;
  mArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mFinestre = new ui::Finestre(mArea, this);
  mContesto = std::make_unique<ui::Contesto>(ui::Contesto{mProgramma, *mFinestre, *this});
  // The archive editor rebuilt the archive's indices: the range bar follows.
  connect(&mProgramma, &Programma::archiveChanged, this, &MDIForm1::Crea_Barra_Limiti);
  creaMenu();
  creaBarraStrumenti();
  creaBarraLimiti();
  auto* centrale = new QWidget;
  auto* colonna = new QVBoxLayout(centrale);
  colonna->setContentsMargins(0, 0, 0, 0);
  colonna->setSpacing(0);
  colonna->addWidget(PicLimiti);
  colonna->addWidget(mArea, 1);
  setCentralWidget(centrale);
  mFinestre->setBarraLimiti(PicLimiti);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] {
    QWidget* attiva = mFinestre->attiva();
    const QVariant argomento = attiva ? attiva->property("argomentoAiuto") : QVariant();
    ui::servizi().aiuto->mostra(argomento.isValid() ? argomento.toInt() : 10000);
  });
  ui::Tastiera::Installa(mArea);
  // The screen's free area, less the window manager's frame, which is not
  // known before the window is shown: a title bar and borders as large as
  // the common desktops draw them.
  const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
  const QMargins cornice(8, 40, 8, 8);
  resize(ui::Finestre::SulloSchermo(QSize(ui::Pixel(18000), ui::Pixel(12000)),
                                    schermo ? schermo->availableGeometry().size() : QSize(), cornice));

  // MDIForm_Load
  setWindowTitle(ui::Titolo());
  voce(QStringLiteral("MnuHelp"))->setText(QStringLiteral("&Guida di ") + ui::Titolo());
  voce(QStringLiteral("MnuAbout"))->setText(QStringLiteral("&Informazioni su ") + ui::Titolo());
  Crea_Barra_Limiti();
  aggiornaControlli();
  ui::DaiNomi(this);
}

MDIForm1::~MDIForm1() = default;

// A name that is not in the table is a fault of the program, never a new item.
QAction* MDIForm1::voce(const QString& nome) const { return voci.at(nome); }

void MDIForm1::creaMenu() {
  for (const Menu& m : TabellaMenu()) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(m.caption));
    menu->setObjectName(QString::fromLatin1(m.nome));
    for (const Voce& v : m.voci) {
      QAction* a = v.gestore ? menu->addAction(QString::fromUtf8(v.caption)) : menu->addSeparator();
      a->setObjectName(QString::fromLatin1(v.nome));
      if (v.gestore) connect(a, &QAction::triggered, this, v.gestore);
      voci[QString::fromLatin1(v.nome)] = a;
    }
  }
  // The hidden popup of board cell details.
  MnuTab1 = menuBar()->addMenu(QString());
  MnuTab1->setObjectName(QStringLiteral("MnuTab1"));
  for (const char* nome : {"MnuTab1A", "MnuTab1B", "MnuTab1C", "MnuTab1D", "MnuTab1E", "MnuTab1F"}) {
    QAction* a = QString::fromLatin1(nome) == QLatin1String("MnuTab1B") ? MnuTab1->addSeparator()
                                                                       : MnuTab1->addAction(QString());
    a->setObjectName(QString::fromLatin1(nome));
    voci[QString::fromLatin1(nome)] = a;
  }
  MnuTab1->menuAction()->setVisible(false);
  MnuTab1->menuAction()->setEnabled(false);

  mMnuFinestra = menuBar()->addMenu(QStringLiteral("&Finestra"));
  mMnuFinestra->setObjectName(QStringLiteral("MnuFinestra"));
  const Voce finestra[] = {
      {"MnuFinestraChiudi", "&Chiudi Tutte", &MDIForm1::MnuFinestraChiudi_Click},
      {"MnuFinestraIcona", "&Riduci tutte ad Icona", &MDIForm1::MnuFinestraIcona_Click},
      {"MnuFinestraDisponi", "&Disponi Icone", &MDIForm1::MnuFinestraDisponi_Click}};
  for (const Voce& v : finestra) {
    QAction* a = mMnuFinestra->addAction(QString::fromUtf8(v.caption));
    a->setObjectName(QString::fromLatin1(v.nome));
    connect(a, &QAction::triggered, this, v.gestore);
    voci[QString::fromLatin1(v.nome)] = a;
  }
  connect(mMnuFinestra, &QMenu::aboutToShow, this, &MDIForm1::aggiornaMenuFinestra);

  QMenu* aiuto = menuBar()->addMenu(QStringLiteral("&?"));
  aiuto->setObjectName(QStringLiteral("MnuHlp"));
  QAction* guida = aiuto->addAction(QString());
  guida->setObjectName(QStringLiteral("MnuHelp"));
  connect(guida, &QAction::triggered, this, &MDIForm1::MnuHelp_Click);
  voci["MnuHelp"] = guida;
  QAction* informazioni = aiuto->addAction(QString());
  informazioni->setObjectName(QStringLiteral("MnuAbout"));
  connect(informazioni, &QAction::triggered, this, &MDIForm1::MnuAbout_Click);
  voci["MnuAbout"] = informazioni;
}

void MDIForm1::creaBarraStrumenti() {
  Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
  Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
  Toolbar1->setMovable(false);
  Toolbar1->setIconSize(QSize(24, 24));
  for (const Tasto& t : TabellaTasti()) {
    if (!t.chiave) {
      Toolbar1->addSeparator();
      continue;
    }
    const QString chiave = QString::fromLatin1(t.chiave);
    QAction* a = Toolbar1->addAction(ui::IconaStrumento(chiave), QString());
    a->setObjectName(chiave);
    a->setToolTip(QString::fromUtf8(t.suggerimento));
    connect(a, &QAction::triggered, this, [this, chiave] { Toolbar1_ButtonClick(chiave); });
    voci[chiave] = a;
  }
  // PicHelp and PicWeb stand at 5950 and 7750 twips from the toolbar's left edge.
  auto* spazio = new QWidget;
  Toolbar1->addWidget(spazio);
  PicHelp = new QLabel;
  PicHelp->setObjectName(QStringLiteral("PicHelp"));
  PicHelp->setPixmap(ui::ImmagineAiuto());
  PicHelp->setCursor(Qt::PointingHandCursor);
  PicHelp->installEventFilter(this);
  Toolbar1->addWidget(PicHelp);
  auto* spazio2 = new QWidget;
  Toolbar1->addWidget(spazio2);
  PicWeb = new QLabel;
  PicWeb->setObjectName(QStringLiteral("PicWeb"));
  PicWeb->setPixmap(ui::ImmagineWeb());
  PicWeb->setCursor(Qt::PointingHandCursor);
  PicWeb->installEventFilter(this);
  Toolbar1->addWidget(PicWeb);
  Text1 = new QLineEdit(QStringLiteral("Tarvolane sul WEB"));
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setReadOnly(true);
  Text1->setFrame(false);
  Text1->setFocusPolicy(Qt::NoFocus);
  Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(Text1->text()) + 12);
  Text1->setStyleSheet(QStringLiteral("background: transparent;"));
  // The two pictures act as buttons: read them as what they open.
  PicHelp->setAccessibleName(QStringLiteral("Guida di ") + ui::Titolo());
  PicWeb->setAccessibleName(Text1->text());
  Text1->setAccessibleName(Text1->text());
  Toolbar1->addWidget(Text1);
  // The button that shows the keys a narrow window cannot hold.
  if (auto* altri = Toolbar1->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
    altri->setAccessibleName(QStringLiteral("Altri pulsanti"));
  // Widen the spacers once the buttons have their sizes.
  const int inizioAiuto = ui::Pixel(5950), inizioWeb = ui::Pixel(7750);
  int x = 0;
  for (QAction* a : Toolbar1->actions()) {
    if (QWidget* w = Toolbar1->widgetForAction(a); w && w != spazio && !a->objectName().isEmpty())
      x += w->sizeHint().width();
    else if (a->isSeparator())
      x += 8;
  }
  spazio->setFixedWidth(std::max(4, inizioAiuto - x));
  spazio2->setFixedWidth(std::max(4, inizioWeb - inizioAiuto - PicHelp->sizeHint().width()));
}

void MDIForm1::creaBarraLimiti() {
  PicLimiti = new QWidget;
  PicLimiti->setObjectName(QStringLiteral("PicLimiti"));
  PicLimiti->setFixedHeight(26);
  QFont piccolo = font();
  piccolo.setPointSizeF(std::max(6.0, font().pointSizeF() - 1.5));
  auto colloca = [this](QWidget* w, int sinistra, int larghezza) {
    w->setParent(PicLimiti);
    mDisposizioneLimiti.push_back({w, sinistra, larghezza});
  };
  LbIni = new QLabel(QStringLiteral("Inizio"));
  LbIni->setObjectName(QStringLiteral("LbIni"));
  colloca(LbIni, 0, 495);
  auto lista = [&](const char* nome, const char* suggerimento, int sinistra, int larghezza) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(nome));
    c->setToolTip(QString::fromUtf8(suggerimento));
    c->setFont(piccolo);
    c->setMaxVisibleItems(24);
    colloca(c, sinistra, larghezza);
    return c;
  };
  auto slider = [&](const char* nome, int sinistra, int larghezza) {
    auto* s = new QScrollBar(Qt::Horizontal);
    s->setObjectName(QString::fromLatin1(nome));
    ui::BarraValore(s);
    colloca(s, sinistra, larghezza);
    return s;
  };
  auto pulsante = [&](int indice, const QString& caption, const QIcon& icona, const char* suggerimento,
                      int sinistra) {
    auto* b = new QToolButton;
    b->setObjectName(QStringLiteral("CmdIni%1").arg(indice));
    b->setText(caption);
    if (!icona.isNull()) b->setIcon(icona);
    b->setToolTip(QString::fromUtf8(suggerimento));
    colloca(b, sinistra, 255);
    connect(b, &QToolButton::clicked, this, [this, indice] { CmdIni_Click(indice); });
    CmdIni[indice] = b;
  };
  CmbDataI = lista("CmbDataI", "Seleziona Estrazione", 480, 2130);
  CmbAnnoI = lista("CmbAnnoI", "Vai ad Anno", 2640, 810);
  pulsante(2, QString(), ui::IconaFreccia(true), "Vai a Prima Estrazione", 3480);
  SliIni = slider("SliIni", 3720, 1335);
  LbNestr = new QLabel;
  LbNestr->setObjectName(QStringLiteral("LbNestr"));
  LbNestr->setAlignment(Qt::AlignCenter);
  colloca(LbNestr, 5280, 1095);
  pulsante(0, QStringLiteral("T"), QIcon(), "Tutte le Estrazioni", 6480);
  Label1 = new QLabel(QStringLiteral("Fine"));
  Label1->setObjectName(QStringLiteral("Label1"));
  colloca(Label1, 6840, 375);
  CmbDataF = lista("CmbDataF", "Vai ad Estrazione", 7320, 2130);
  CmbAnnoF = lista("CmbAnnoF", "Vai ad Anno", 9480, 810);
  SliFin = slider("SliFin", 10320, 1335);
  pulsante(3, QString(), ui::IconaFreccia(false), "Vai ad Ultima Estrazione", 11640);
  disponiBarraLimiti(QStringList());
  // The sliders are named after the labels of their bounds.
  SliIni->setAccessibleName(LbIni->text());
  SliFin->setAccessibleName(Label1->text());

  connect(CmbDataI, &QComboBox::currentIndexChanged, this, &MDIForm1::CmbDataI_Click);
  connect(CmbDataF, &QComboBox::currentIndexChanged, this, &MDIForm1::CmbDataF_Click);
  connect(CmbAnnoI, &QComboBox::currentIndexChanged, this, &MDIForm1::CmbAnnoI_Click);
  connect(CmbAnnoF, &QComboBox::currentIndexChanged, this, &MDIForm1::CmbAnnoF_Click);
  // Change and Scroll do the same: the value counts while the thumb moves.
  connect(SliIni, &QScrollBar::valueChanged, this, &MDIForm1::SliIni_Change);
  connect(SliFin, &QScrollBar::valueChanged, this, &MDIForm1::SliFin_Change);
}

void MDIForm1::aggiornaControlli() {
  for (const Tasto& t : TabellaTasti()) {
    if (!t.chiave) continue;
    voce(QString::fromLatin1(t.chiave))->setEnabled(Disponibile(QString::fromLatin1(t.voce)));
  }
  for (const Menu& m : TabellaMenu())
    for (const Voce& v : m.voci)
      if (v.gestore) voce(QString::fromLatin1(v.nome))->setEnabled(Disponibile(QString::fromLatin1(v.nome)));
}

// --- Range bar -------------------------------------------------------------

// Places the bar's controls left to right: each at its design position, or
// further right when the one before it had to widen; the two draw lists are
// as wide as the widest label needs, so no label is ever cut.
void MDIForm1::disponiBarraLimiti(const QStringList& etichette) {
  const int larghezzaLista = ui::LarghezzaLista(CmbDataI, etichette);
  int destra = 0;
  for (const ElementoBarra& e : mDisposizioneLimiti) {
    const int x = std::max(ui::Pixel(e.sinistra), destra == 0 ? 0 : destra + 2);
    int larghezza = ui::Pixel(e.larghezza);
    if (e.controllo == CmbDataI || e.controllo == CmbDataF) larghezza = std::max(larghezza, larghezzaLista);
    e.controllo->setGeometry(x, 2, larghezza, 22);
    destra = x + larghezza;
  }
  PicLimiti->setMinimumWidth(destra + ui::Pixel(60));
}

void MDIForm1::Crea_Barra_Limiti() {
  const Stato& s = mProgramma.stato();
  QStringList etichette;
  for (int d = 1; d <= s.TotEstrazioni(); ++d) etichette << ui::Q(s.indici.DescrEstrazioni[d]);
  disponiBarraLimiti(etichette);
  QStringList anni;
  for (const std::string& a : s.indici.AnniArchivio) anni << ui::Q(a.substr(0, 4));
  {
    // Filling a list selects its first item; the handlers run once the
    // lists are complete, as the explicit selections below ask.
    const QSignalBlocker b1(CmbDataI), b2(CmbDataF), b3(CmbAnnoI), b4(CmbAnnoF), b5(SliIni), b6(SliFin);
    CmbDataI->clear();
    CmbDataI->addItems(etichette);
    SliIni->setRange(0, std::max(0, CmbDataI->count() - 1));
    CmbAnnoI->clear();
    CmbAnnoI->addItems(anni);
    CmbDataF->clear();
    CmbDataF->addItems(etichette);
    SliFin->setRange(0, std::max(0, CmbDataF->count() - 1));
    CmbAnnoF->clear();
    CmbAnnoF->addItems(anni);
    CmbDataF->setCurrentIndex(-1);
    CmbDataI->setCurrentIndex(-1);
    CmbAnnoI->setCurrentIndex(-1);
    CmbAnnoF->setCurrentIndex(-1);
    SliIni->setValue(0);
    SliFin->setValue(0);
  }
  CmbDataI->setCurrentIndex(0);
  CmbAnnoI->setCurrentIndex(0);
  CmbDataF->setCurrentIndex(CmbDataF->count() - 1);
}

void MDIForm1::CmbDataI_Click() {
  if (CmbDataI->currentIndex() < 0) return;
  if (CmbDataF->currentIndex() >= 0 && CmbDataI->currentIndex() > CmbDataF->currentIndex())
    CmbDataI->setCurrentIndex(CmbDataF->currentIndex());
  const int inizio = CmbDataI->currentIndex();
  LbNestr->setText(QString::number(CmbDataF->currentIndex() - inizio + 1) + QStringLiteral(" Estr."));
  mProgramma.impostaInizio(inizio + 1);
  if (SliIni->value() != inizio) SliIni->setValue(inizio);
  sincronizzaAnno(CmbDataI, CmbAnnoI);
}

void MDIForm1::CmbDataF_Click() {
  if (CmbDataF->currentIndex() < 0) return;
  if (CmbDataI->currentIndex() >= 0 && CmbDataF->currentIndex() < CmbDataI->currentIndex())
    CmbDataF->setCurrentIndex(CmbDataI->currentIndex());
  const int fine = CmbDataF->currentIndex();
  LbNestr->setText(QString::number(fine - std::max(0, CmbDataI->currentIndex()) + 1) + QStringLiteral(" Estr."));
  mProgramma.impostaFine(fine + 1);
  if (SliFin->value() != fine) SliFin->setValue(fine);
  sincronizzaAnno(CmbDataF, CmbAnnoF);
}

void MDIForm1::SliIni_Change() {
  if (CmbDataI->count() == 0) return;
  CmbDataI->setCurrentIndex(SliIni->value());
  sincronizzaAnno(CmbDataI, CmbAnnoI);
}

void MDIForm1::SliFin_Change() {
  if (CmbDataF->count() == 0) return;
  CmbDataF->setCurrentIndex(SliFin->value());
  sincronizzaAnno(CmbDataF, CmbAnnoF);
}

// The year list follows the selected draw: the first item equal to its year.
void MDIForm1::sincronizzaAnno(QComboBox* data, QComboBox* anno) {
  const QString annoDraw = Anno(data->currentText());
  const int i = anno->findText(annoDraw);
  if (i >= 0 && anno->currentIndex() != i) anno->setCurrentIndex(i);
}

void MDIForm1::CmbAnnoI_Click() { cambiaAnno(CmbDataI, CmbAnnoI, SliIni); }
void MDIForm1::CmbAnnoF_Click() { cambiaAnno(CmbDataF, CmbAnnoF, SliFin); }

// A year chosen in the list moves its bound to the year's first draw.
void MDIForm1::cambiaAnno(QComboBox* data, QComboBox* anno, QScrollBar* slider) {
  const int i = anno->currentIndex();
  const auto& anni = mProgramma.stato().indici.AnniArchivio;
  if (i < 0 || i >= static_cast<int>(anni.size())) return;
  const QString scelto = ui::Q(anni[i].substr(0, 4));
  if (scelto == Anno(data->itemText(slider->value()))) return;
  slider->setValue(std::stoi(anni[i].substr(4)) - 1);
}

void MDIForm1::CmdIni_Click(int Index) {
  if ((Index == 0 || Index == 2) && CmbDataI->currentIndex() != 0) CmbDataI->setCurrentIndex(0);
  if ((Index == 0 || Index == 3) && CmbDataF->currentIndex() != CmbDataF->count() - 1)
    CmbDataF->setCurrentIndex(CmbDataF->count() - 1);
}

// --- Menus -----------------------------------------------------------------

void MDIForm1::MnuEstGest_Click() { mFinestre->apri<Extrazioni>(contesto()); }
void MDIForm1::MnuEstTabAna_Click() { mFinestre->apri<TabAna>(contesto()); }
void MDIForm1::MnuRscTab1_Click() { mFinestre->nuova<Tabellone1>(contesto()); }
void MDIForm1::MnuRscTab2_Click() { mFinestre->nuova<Tabellone2>(contesto()); }
void MDIForm1::MnuRscStat_Click() { mFinestre->apri<StatGRit>(contesto()); }
void MDIForm1::MnuEstTabRuo_Click() { mFinestre->apri<ExtraRuota>(contesto()); }
void MDIForm1::MnuEstCDF_Click() { mFinestre->apri<CDF>(contesto()); }
void MDIForm1::MnuStatAnaNum_Click() { mFinestre->apri<StatRicerca>(contesto()); }
void MDIForm1::MnuStatLaData_Click() { mFinestre->apri<StatData>(contesto()); }
void MDIForm1::MnuStatTab_Click() { mFinestre->apri<TabForm>(contesto()); }
void MDIForm1::MnuPrevAAM_Click() { mFinestre->apri<AAM>(contesto()); }
void MDIForm1::MnuPrevSpia_Click() { mFinestre->apri<Spia>(contesto()); }
void MDIForm1::mnuPrevMetodiT_Click() { mFinestre->apri<Metodi>(contesto()); }
void MDIForm1::mnuPrevMetodiD_Click() { mFinestre->apri<MetodiD>(contesto()); }
void MDIForm1::mnuPrevMetodiS_Click() { mFinestre->apri<MetodiS>(contesto()); }

void MDIForm1::MnuFinestraChiudi_Click() {
  mFinestre->chiudiTutteTranne(nullptr);
  mFinestre->disponiIcone();
}

void MDIForm1::MnuFinestraIcona_Click() { mFinestre->riduciTutte(); }

void MDIForm1::MnuFinestraDisponi_Click() { mFinestre->disponiIcone(); }

void MDIForm1::MnuHelp_Click() { ui::servizi().aiuto->mostra(10000); }

void MDIForm1::MnuAbout_Click() {
  frmAbout finestra(this);
  ui::servizi().dialoghi->esegui(&finestra);
}

void MDIForm1::Toolbar1_ButtonClick(const QString& chiave) {
  for (const Tasto& t : TabellaTasti()) {
    if (!t.chiave || chiave != QLatin1String(t.chiave)) continue;
    QAction* azione = voce(QString::fromLatin1(t.voce));
    if (azione->isEnabled()) azione->trigger();
    return;
  }
}

void MDIForm1::PicHelp_Click() { MnuHelp_Click(); }

void MDIForm1::PicWeb_Click() { ui::servizi().desktop->apri(QUrl(QString::fromLatin1(kIndirizzoWeb))); }

void MDIForm1::MostraDettagli(const QStringList& righe) {
  const char* nomi[] = {"MnuTab1A", "MnuTab1C", "MnuTab1D", "MnuTab1E", "MnuTab1F"};
  for (int i = 0; i < 5; ++i) {
    QAction* a = voce(QString::fromLatin1(nomi[i]));
    a->setText(i < righe.size() ? righe[i] : QString());
    a->setVisible(true);
  }
  MnuTab1->menuAction()->setEnabled(true);
  {
    // The popup belongs to the board that asked for it (the active window),
    // which therefore stays until the popup has closed.
    const ui::Sessione sessione(mFinestre->attiva(), MnuTab1);
    ui::servizi().dialoghi->popup(MnuTab1, QCursor::pos());
  }
  MnuTab1->menuAction()->setEnabled(false);
  MnuTab1->menuAction()->setVisible(false);
}

void MDIForm1::aggiornaMenuFinestra() {
  for (QAction* a : mVociFinestre) {
    mMnuFinestra->removeAction(a);
    a->deleteLater();
  }
  mVociFinestre.clear();
  const QList<QWidget*> aperte = mFinestre->aperte();
  if (aperte.isEmpty()) return;
  mVociFinestre << mMnuFinestra->addSeparator();
  // A long name loses its middle: the menu stays within half the screen.
  const QScreen* schermo = screen();
  const int larghezza = schermo ? schermo->availableGeometry().width() / 2 : 512;
  int n = 0;
  for (QWidget* w : aperte) {
    QAction* a = mMnuFinestra->addAction(QStringLiteral("&%1 %2").arg(++n).arg(
        ui::VoceMenu(w, mMnuFinestra->fontMetrics(), larghezza)));
    a->setCheckable(true);
    a->setChecked(w == mFinestre->attiva());
    connect(a, &QAction::triggered, this, [this, w] { mFinestre->porta(w); });
    mVociFinestre << a;
  }
}

bool MDIForm1::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::MouseButtonRelease) {
    if (oggetto == PicHelp) PicHelp_Click();
    else if (oggetto == PicWeb) PicWeb_Click();
  }
  return QMainWindow::eventFilter(oggetto, evento);
}

void MDIForm1::closeEvent(QCloseEvent* e) {
  // Tool windows close first, so that each can finish its own work; one
  // that refuses (the archive editor, when the user keeps corrections the
  // disk refused) is asked before any other closes, and keeps them all open.
  if (!mFinestre->chiudiTutteTranne(nullptr)) {
    e->ignore();
    return;
  }
  mArea->closeAllSubWindows();
  if (!mArea->subWindowList().isEmpty()) {
    e->ignore();
    return;
  }
  e->accept();
}
