#include "archive/Extrazioni.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QUrl>
#include <algorithm>
#include <optional>

#include "archive/Archivioesteso.h"
#include "archive/Form4.h"
#include "archive/grigliaciclometrica.h"
#include "archive/incolla.h"
#include "archive/modifica_archivio.h"
#include "archive/stampa_estrazione.h"
#include "archive/testi_estrazione.h"
#include "archive/CreaArchivi.h"
#include "core/indici.h"
#include "core/nomi.h"
#include "ui/CampoData.h"
#include "ui/BarraValore.h"
#include "ui/Clessidra.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

constexpr int kAiutoVista = 20000;
constexpr int kAiutoInserimento = 20020;
constexpr int kAltezzaRiga = 285;  // twips: eleven rows of the draw grid

// Places a control by its left, top, width and height in pixels.
void Colloca(QWidget* w, QWidget* padre, int x, int y, int larghezza, int altezza) {
  w->setParent(padre);
  w->setGeometry(x, y, larghezza, altezza);
}

QPushButton* Pulsante(const char* nome, const char* caption) {
  auto* b = new QPushButton(QString::fromUtf8(caption));
  b->setObjectName(QString::fromLatin1(nome));
  return b;
}

QLabel* Etichetta(const char* nome, const char* caption = "") {
  auto* l = new QLabel(QString::fromUtf8(caption));
  l->setObjectName(QString::fromLatin1(nome));
  return l;
}

// A drop-down list showing its initial text until an item is chosen; its
// size never depends on the items, so filling thousands stays cheap.
QComboBox* Lista(const char* nome, const char* testoIniziale) {
  auto* c = new QComboBox;
  c->setObjectName(QString::fromLatin1(nome));
  c->setPlaceholderText(QString::fromUtf8(testoIniziale));
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMaxVisibleItems(20);
  return c;
}

void Colori(QWidget* w, QPalette::ColorRole sfondo, unsigned int bgrSfondo, QPalette::ColorRole testo,
            unsigned int bgrTesto) {
  QPalette p = w->palette();
  p.setColor(sfondo, ui::Colore(bgrSfondo));
  p.setColor(testo, ui::Colore(bgrTesto));
  w->setPalette(p);
}

ui::Icona IconaDi(Estrazioni::Icona i) {
  switch (i) {
    case Estrazioni::Icona::Critica: return ui::Icona::Critica;
    case Estrazioni::Icona::Informazione: return ui::Icona::Informazione;
    case Estrazioni::Icona::Domanda: break;
  }
  return ui::Icona::Nessuna;
}

Data DataDi(const QDate& d) { return Data{d.day(), d.month(), d.year()}; }

// The selection the key replaces, or the caret when nothing is selected.
std::string TestoConTasto(const QLineEdit* box, int KeyAscii) {
  const int inizio = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
  const int lunghezza = box->hasSelectedText() ? static_cast<int>(box->selectedText().size()) : 0;
  return Estrazioni::TestoConTasto(ui::S(box->text()), inizio, lunghezza,
                                   ui::S(QString(QChar(KeyAscii))));
}

}  // namespace

// --- Extrazioni: opening -----------------------------------------------------

Extrazioni::Extrazioni(const ui::Contesto& contesto) : mContesto(contesto) {
  setObjectName(QStringLiteral("Extrazioni"));
  ui::Nomina(this, QStringLiteral("Estrazioni"));
  ui::Finestre::ImpostaDimensioni(this, 7188, 7215);
  ui::Finestre::NascondeLimiti(this);
  ui::Finestre::PuoRifiutareChiusura(this);
  setProperty("argomentoAiuto", kAiutoVista);
  creaControlli();
  creaPannello();

  // Form_Load: the lists once, then the last draw.
  riempiListe();
  mostraUltima();
  ArchivioVariato = false;
}

Stato& Extrazioni::stato() { return mContesto.stato(); }

void Extrazioni::creaControlli() {
  GridEst = new ui::Griglia;
  GridEst->setObjectName(QStringLiteral("GridEst"));
  GridEst->setRows(11);
  GridEst->setFixedRows(1);
  GridEst->setFixedCols(1);
  GridEst->setFormatString(QStringLiteral("<                   |^  I |^II  |^III |^IV|^V "));
  GridEst->setColWidth(0, 1380);
  for (int c = 1; c <= 5; ++c) GridEst->setColWidth(c, 570);
  GridEst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  GridEst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int r = 0; r < 11; ++r) GridEst->setRowHeight(r, kAltezzaRiga);
  Colloca(GridEst, this, 8, 8, 296, 11 * ui::Pixel(kAltezzaRiga) + 2 * GridEst->frameWidth());
  connect(GridEst, &ui::Griglia::dblClick, this, &Extrazioni::GridEst_DblClick);
  GridEst->setAccessibleName(QStringLiteral("Estrazione"));
  const int sottoGriglia = GridEst->geometry().bottom() + 3;

  Scroll = new QScrollBar(Qt::Vertical);
  Scroll->setObjectName(QStringLiteral("Scroll"));
  Colloca(Scroll, this, 306, 8, 17, GridEst->height());
  connect(Scroll, &QScrollBar::valueChanged, this, &Extrazioni::Scroll_Change);
  ui::BarraValore(Scroll);
  Scroll->setAccessibleName(QStringLiteral("Scorri Estrazioni"));

  const int x = 332, w = 130;
  Label1 = Etichetta("Label1", "Data");
  Colloca(Label1, this, x, 8, w, 16);
  LbData = Etichetta("LbData");
  Colori(LbData, QPalette::Window, 0xFFFFFF, QPalette::WindowText, 0xFF);
  QFont grassetto = LbData->font();
  grassetto.setBold(true);
  LbData->setFont(grassetto);
  Colloca(LbData, this, x, 24, w, 18);
  Label2 = Etichetta("Label2", "Indice");
  Colloca(Label2, this, x, 46, w, 16);
  LbIndice = Etichetta("LbIndice");
  Colloca(LbIndice, this, x, 62, w, 18);
  Label3 = Etichetta("Label3", "Indice Ann");
  Colloca(Label3, this, x, 86, 80, 18);
  LbIndiceAnno = Etichetta("LbIndiceAnno");
  Colloca(LbIndiceAnno, this, x + 84, 86, 46, 18);
  Label4 = Etichetta("Label4", "Indice Mens");
  Colloca(Label4, this, x, 106, 80, 18);
  LbIndiceMese = Etichetta("LbIndiceMese");
  Colloca(LbIndiceMese, this, x + 84, 106, 46, 18);
  Command1 = Pulsante("Command1", "Analisi");
  Colloca(Command1, this, x, 132, 63, 26);
  Command2 = Pulsante("Command2", "Ultime");
  Colloca(Command2, this, x + 67, 132, 63, 26);
  somme = Pulsante("somme", "Somme");
  Colloca(somme, this, x, 162, 63, 26);
  visualizzagrigliaciclometrica = Pulsante("visualizzagrigliaciclometrica", "Distanze");
  Colloca(visualizzagrigliaciclometrica, this, x + 67, 162, 63, 26);
  connect(Command1, &QPushButton::clicked, this, &Extrazioni::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Extrazioni::Command2_Click);
  connect(somme, &QPushButton::clicked, this, &Extrazioni::somme_Click);
  connect(visualizzagrigliaciclometrica, &QPushButton::clicked, this,
          &Extrazioni::visualizzagrigliaciclometrica_Click);

  Label7 = Etichetta("Label7", "Doppio Click su un Numero per effettuare variazioni");
  Colloca(Label7, this, 8, sottoGriglia, 454, 16);
  LbSuper = Etichetta("LbSuper");
  LbSuper->setAutoFillBackground(true);
  Colori(LbSuper, QPalette::Window, 0xC0FFFF, QPalette::WindowText, 0xFF);
  LbSuper->setFont(grassetto);
  Colloca(LbSuper, this, 8, sottoGriglia + 18, 454, 20);

  Frame2 = new QGroupBox;
  Frame2->setObjectName(QStringLiteral("Frame2"));
  Colloca(Frame2, this, 8, sottoGriglia + 40, 454, 78);
  CmbData = Lista("CmbData", "Seleziona Estrazione");
  Colloca(CmbData, Frame2, 8, 12, 236, 24);
  CmbAnno = Lista("CmbAnno", "Vai ad Anno");
  Colloca(CmbAnno, Frame2, 250, 12, 100, 24);
  connect(CmbData, &QComboBox::currentIndexChanged, this, &Extrazioni::CmbData_Click);
  connect(CmbAnno, &QComboBox::currentIndexChanged, this, &Extrazioni::CmbAnno_Click);
  Label5 = Etichetta("Label5", "Numero");
  Colloca(Label5, Frame2, 8, 46, 52, 22);
  Label6 = Etichetta("Label6", "Data");
  Colloca(Label6, Frame2, 172, 46, 36, 22);
  const int caratteri[2] = {4, 10};
  const int posizioni[2][2] = {{60, 50}, {206, 92}};
  const char* captions[2] = {"&Vai", "V&ai"};
  for (int i = 0; i < 2; ++i) {
    TxtVai[i] = new CasellaTesto;
    TxtVai[i]->setObjectName(QStringLiteral("TxtVai%1").arg(i));
    TxtVai[i]->setMaxLength(caratteri[i]);
    TxtVai[i]->KeyPress = [this, i](int& k) { TxtVai_KeyPress(i, k); };
    Colloca(TxtVai[i], Frame2, posizioni[i][0], 46, posizioni[i][1], 22);
    CmdVai[i] = new QPushButton(QString::fromLatin1(captions[i]));
    CmdVai[i]->setObjectName(QStringLiteral("CmdVai%1").arg(i));
    Colloca(CmdVai[i], Frame2, posizioni[i][0] + posizioni[i][1] + 4, 45, 44, 24);
    connect(CmdVai[i], &QPushButton::clicked, this, [this, i] { CmdVai_Click(i); });
  }
  Label5->setBuddy(TxtVai[0]);
  Label6->setBuddy(TxtVai[1]);

  const int rigaA = sottoGriglia + 146, rigaB = rigaA + 28;
  stampa = Pulsante("stampa", "Stampa estrazione corrente");
  Colloca(stampa, this, 8, rigaA, 180, 26);
  connect(stampa, &QPushButton::clicked, this, &Extrazioni::stampa_Click);
  CmdSalva = Pulsante("CmdSalva", "&Salva Estrazione");
  Colloca(CmdSalva, this, 8, rigaA, 130, 26);
  CmdIncolla = Pulsante("CmdIncolla", "&Incolla dagli Appunti");
  Colloca(CmdIncolla, this, 326, rigaA, 136, 26);
  connect(CmdSalva, &QPushButton::clicked, this, &Extrazioni::CmdSalva_Click);
  connect(CmdIncolla, &QPushButton::clicked, this, &Extrazioni::CmdIncolla_Click);
  CmdInserisci = Pulsante("CmdInserisci", "&Inserisci Estrazione");
  Colloca(CmdInserisci, this, 8, rigaB, 150, 26);
  CmdElimina = Pulsante("CmdElimina", "&Elimina Estrazione");
  Colloca(CmdElimina, this, 162, rigaB, 150, 26);
  CmdEsci = Pulsante("CmdEsci", "&Esci");
  Colloca(CmdEsci, this, 316, rigaB, 146, 26);
  connect(CmdInserisci, &QPushButton::clicked, this, &Extrazioni::CmdInserisci_Click);
  connect(CmdElimina, &QPushButton::clicked, this, &Extrazioni::CmdElimina_Click);
  connect(CmdEsci, &QPushButton::clicked, this, &Extrazioni::CmdEsci_Click);

  StBar = new QStatusBar;
  StBar->setObjectName(QStringLiteral("StBar"));
  StBar->setSizeGripEnabled(false);
  StBarPanel1 = new QLabel;
  StBar->addWidget(StBarPanel1, 1);
  Colloca(StBar, this, 0, rigaB + 28, 470, 22);
  setMinimumSize(470, rigaB + 50);
}

// The insert panel Frame1, hidden in view mode.
void Extrazioni::creaPannello() {
  Frame1 = new QGroupBox(QStringLiteral("Estrazione"));
  Frame1->setObjectName(QStringLiteral("Frame1"));
  const int alto = Label7->y();
  Colloca(Frame1, this, 8, alto, 446, CmdSalva->y() - alto - 4);
  Giorni = new ui::CampoData;
  Giorni->setObjectName(QStringLiteral("Giorni"));
  Giorni->setDateRange(QDate(1900, 1, 1), QDate(2099, 12, 31));
  Colloca(Giorni, Frame1, 8, 16, 120, 22);
  Giorni->editor()->setAccessibleName(QStringLiteral("Data Estrazione"));
  QFont arial(QStringLiteral("Arial"), 9);
  arial.setBold(true);
  for (int w = 1; w <= 10; ++w) {
    const int colonna = (w - 1) / 5, riga = (w - 1) % 5;
    const int x = 8 + colonna * 222, y = 41 + riga * 18;
    LbRuota[w - 1] = Etichetta("LbRuota");
    LbRuota[w - 1]->setObjectName(QStringLiteral("LbRuota%1").arg(w - 1));
    Colloca(LbRuota[w - 1], Frame1, x, y, 68, 17);
    for (int p = 1; p <= 5; ++p) {
      const int i = (w - 1) * 5 + p;
      auto* e = new CasellaTesto;
      e->setObjectName(QStringLiteral("Est%1").arg(i));
      e->setFont(arial);
      e->setAlignment(Qt::AlignCenter);
      e->setMaxLength(2);
      e->KeyPress = [this, i](int& k) { Est_KeyPress(i, k); };
      e->GotFocus = [this, i] { Est_GotFocus(i); };
      e->Validate = [this, i](bool& c) { Est_Validate(i, c); };
      e->LostFocus = [this, i] { Est_LostFocus(i); };
      connect(e, &QLineEdit::textChanged, this, [this, i] { Est_Change(i); });
      Colloca(e, Frame1, x + 70 + (p - 1) * 28, y, 26, 17);
      Est[i] = e;
      // Read aloud by wheel and position: "BARI 1°".
      e->setAccessibleName(ui::Q(Inizio::NomiRuote[w]) + QStringLiteral(" %1°").arg(p));
    }
  }
  Frame1->hide();
  CmdSalva->hide();
  CmdIncolla->hide();
  Giorni->hide();
}

// CmbData holds every draw label, CmbAnno every year; filling runs no handler.
void Extrazioni::riempiListe() {
  const Indici& ind = stato().indici;
  QStringList etichette;
  etichette.reserve(ind.TotEstrazioni);
  for (int d = 1; d <= ind.TotEstrazioni; ++d) etichette << ui::Q(ind.DescrEstrazioni[d]);
  QStringList anni;
  for (const std::string& a : ind.AnniArchivio) anni << ui::Q(a.substr(0, 4));
  // The list is as wide as its widest label needs, the year list beside it.
  CmbData->resize(std::max(236, ui::LarghezzaLista(CmbData, etichette)), CmbData->height());
  CmbAnno->move(std::max(250, CmbData->geometry().right() + 6), CmbAnno->y());
  const QSignalBlocker b1(CmbData), b2(CmbAnno);
  CmbData->clear();
  CmbData->addItems(etichette);
  CmbData->setCurrentIndex(-1);
  CmbAnno->clear();
  CmbAnno->addItems(anni);
  CmbAnno->setCurrentIndex(-1);
}

// The scroll bar spans the draws and stands on the last one, which is shown
// even when the value did not change (the draw there may be another one).
void Extrazioni::mostraUltima() {
  const int tot = stato().TotEstrazioni();
  {
    const QSignalBlocker b(Scroll);
    Scroll->setRange(1, tot);
    Scroll->setValue(tot);
  }
  Scroll_Change();
}

// --- View mode ---------------------------------------------------------------

void Extrazioni::Visualizza_Estrazione(int n) {
  const Stato& s = stato();
  const Archivio& a = s.ArchivioEstrazioni;
  {
    const QSignalBlocker b(Scroll);
    Scroll->setRange(1, s.TotEstrazioni());
  }
  GridEst->setRedraw(false);
  for (int w = 1; w <= 10; ++w) {
    GridEst->setTextMatrix(w, 0, ui::Q(Inizio::NomiRuote[w]));
    for (int p = 1; p <= 5; ++p) GridEst->setTextMatrix(w, p, ui::Q(Estrazioni::TestoCella(a, n, w, p)));
  }
  LbSuper->setText(ui::Q(Estrazioni::TestoSuperEnalotto(a, n)));
  LbData->setText(ui::Q(Estrazioni::TestoData(a, n)));
  LbIndice->setText(ui::Q(Estrazioni::TestoIndice(n, s.TotEstrazioni())));
  stato().EstrSelezionata = n;
  LbIndiceAnno->setText(QString::number(s.indici.NumEstrAnno[n]));
  LbIndiceMese->setText(QString::number(s.indici.NumEstrMese[n]));
  StBarPanel1->setText(ui::Q(Estrazioni::TestoUltimaEstrazione(a, s.TotEstrazioni())));
  GridEst->setRedraw(true);
}

void Extrazioni::Scroll_Change() {
  EstrCorrente = Scroll->value();
  Visualizza_Estrazione(EstrCorrente);
  if (CmbData->currentIndex() != EstrCorrente - 1) CmbData->setCurrentIndex(EstrCorrente - 1);
  const int anno = CmbAnno->findText(CmbData->currentText().trimmed().right(4));
  if (anno >= 0 && anno != CmbAnno->currentIndex()) CmbAnno->setCurrentIndex(anno);
}

void Extrazioni::CmbData_Click() {
  const int i = CmbData->currentIndex();
  if (i < 0) return;
  EstrCorrente = i + 1;
  if (Scroll->value() != i + 1) Scroll->setValue(i + 1);
}

void Extrazioni::CmbAnno_Click() {
  const int i = CmbAnno->currentIndex();
  const auto& anni = stato().indici.AnniArchivio;
  if (i < 0 || i >= static_cast<int>(anni.size())) return;
  const QString mostrato = CmbData->itemText(Scroll->value() - 1).trimmed().right(4);
  if (ui::Q(anni[i].substr(0, 4)) == mostrato) return;
  Scroll->setValue(std::stoi(anni[i].substr(4)));
}

void Extrazioni::TxtVai_KeyPress(int Index, int& KeyAscii) {
  if (KeyAscii == CasellaTesto::kBackspace) return;
  const std::string t = TestoConTasto(TxtVai[Index], KeyAscii);
  const bool ammesso = Index == 0 ? Estrazioni::TestoNumeroAmmesso(t) : Estrazioni::TestoDataAmmesso(t);
  if (!ammesso) KeyAscii = 0;
}

void Extrazioni::CmdVai_Click(int Index) {
  const Stato& s = stato();
  const std::string testo = ui::S(TxtVai[Index]->text());
  Risultato<int> d = Index == 0 ? Estrazioni::VaiANumero(testo, s.TotEstrazioni()) : [&] {
    ui::Clessidra clessidra;
    return Estrazioni::VaiAData(s.ArchivioEstrazioni, s.TotEstrazioni(), testo);
  }();
  if (!d) {
    ui::Msg(this, ui::Q(d.motivo()), ui::Icona::Critica);
    return;
  }
  vaiA(*d);
}

void Extrazioni::vaiA(int d) {
  EstrCorrente = d;
  Scroll->setValue(d);
}

void Extrazioni::Command1_Click() {
  Form4 finestra(stato(), this);
  ui::servizi().dialoghi->esegui(&finestra);
}

void Extrazioni::Command2_Click() {
  Archivioesteso finestra(stato(), this);
  ui::servizi().dialoghi->esegui(&finestra);
}

void Extrazioni::somme_Click() {
  stato().TipoGriglia = "s";
  grigliaciclometrica finestra(stato(), this);
  ui::servizi().dialoghi->esegui(&finestra);
}

void Extrazioni::visualizzagrigliaciclometrica_Click() {
  stato().TipoGriglia = "d";
  grigliaciclometrica finestra(stato(), this);
  ui::servizi().dialoghi->esegui(&finestra);
}

// The printout is a text file opened in the text editor, which prints it:
// no printer needs to be installed here.
void Extrazioni::stampa_Click() {
  const Stato& s = stato();
  Esito scritto = Estrazioni::ScriviStampa(
      s.CartellaProgramma, Estrazioni::RigheStampa(s.ArchivioEstrazioni, s.EstrSelezionata, "Tarvolane"));
  if (!scritto) {
    ui::Msg(this, ui::Q(scritto.motivo()), ui::Icona::Critica);
    return;
  }
  const QString percorso = QString::fromStdString((s.CartellaProgramma / Estrazioni::kFileStampa).string());
  if (!ui::servizi().desktop->apri(QUrl::fromLocalFile(percorso)))
    ui::Msg(this, QStringLiteral("Impossibile aprire il file ") + percorso, ui::Icona::Critica);
}

// --- Insert mode -------------------------------------------------------------

void Extrazioni::CmdInserisci_Click() {
  if (Esito spazio = Estrazioni::SpazioPerNuovaEstrazione(stato().TotEstrazioni()); !spazio) {
    ui::Msg(this, ui::Q(spazio.motivo()), ui::Icona::Critica);
    // Asked again after a save that filled the archive: back to view mode.
    if (!Frame1->isHidden()) {
      Giorni->hide();
      CmdEsci_Click();
    }
    return;
  }
  for (int w = 1; w <= 10; ++w) LbRuota[w - 1]->setText(ui::Q(Inizio::NomiRuote[w]));
  EstFuoriRange = false;
  for (int i = 1; i <= Estrazioni::kCaselle; ++i) {
    Est[i]->clear();
    coloraCasella(i, false);
  }
  modoVista(false);
  Giorni->setDate(QDate::currentDate());
  Est[1]->setFocus();
}

void Extrazioni::coloraCasella(int i, bool errata) {
  Colori(Est[i], QPalette::Base, errata ? 0xFF : 0xFFFFFF, QPalette::Text, errata ? 0xFFFF : 0x0);
}

// Shows the controls of view mode (true) or of insert mode (false).
void Extrazioni::modoVista(bool vista) {
  QWidget* const fuoco = focusWidget();
  for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, Label4, Label7, Frame2, LbIndice, LbIndiceAnno,
                                                    LbIndiceMese, visualizzagrigliaciclometrica, stampa, LbSuper})
    w->setVisible(vista);
  for (QWidget* w : std::initializer_list<QWidget*>{Frame1, CmdSalva, CmdIncolla, Giorni}) w->setVisible(!vista);
  CmdInserisci->setEnabled(vista);
  CmdElimina->setEnabled(vista);
  if (!vista) {
    Frame1->move(ui::Pixel(240), Frame1->y());
    CmdSalva->move(ui::Pixel(2880), CmdSalva->y());
  }
  setProperty("argomentoAiuto", vista ? kAiutoVista : kAiutoInserimento);
  // Qt moves the focus off a control it hides only in the active window (a
  // box just answered leaves it inactive): elsewhere the focus stays on the
  // hidden control and the window's keys would reach the frame around it.
  // It goes on to the next control that takes Tab, as Qt does.
  for (QWidget* w = fuoco; fuoco && !fuoco->isVisibleTo(this);) {
    w = w->nextInFocusChain();
    if (w == fuoco) break;
    if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() &&
        (w->focusPolicy() & Qt::TabFocus)) {
      w->setFocus(Qt::TabFocusReason);
      break;
    }
  }
}

void Extrazioni::Est_KeyPress(int Index, int& KeyAscii) {
  if (KeyAscii == CasellaTesto::kBackspace) return;
  if (KeyAscii < '0' || KeyAscii > '9') {
    KeyAscii = 0;
    return;
  }
  switch (Estrazioni::ValutaTestoCasella(TestoConTasto(Est[Index], KeyAscii))) {
    case Estrazioni::TastoCasella::Rifiutato: KeyAscii = 0; break;
    case Estrazioni::TastoCasella::FuoriIntervallo: EstFuoriRange = true; break;
    case Estrazioni::TastoCasella::Ammesso: break;
  }
}

void Extrazioni::Est_Change(int Index) {
  CasellaTesto* box = Est[Index];
  if (EstFuoriRange) {
    EstFuoriRange = false;
    ui::Msg(this, QString::fromLatin1(Estrazioni::kNumeriDa1a90), ui::Icona::Critica);
    box->selectAll();
    return;
  }
  const Estrazioni::CambioCasella c = Estrazioni::CambioTestoCasella(ui::S(box->text()));
  if (c.avanza) {
    if (Index < Estrazioni::kCaselle) Est[Index + 1]->setFocus(Qt::TabFocusReason);
    else CmdSalva->setFocus(Qt::TabFocusReason);
  }
  if (box->text() != ui::Q(c.testo)) box->setText(ui::Q(c.testo));
}

void Extrazioni::Est_Validate(int Index, bool& Cancel) {
  CasellaTesto* box = Est[Index];
  if (!Estrazioni::CasellaValida(ui::S(box->text()))) {
    ui::Msg(this, QString::fromLatin1(Estrazioni::kNumeriDa1a90), ui::Icona::Critica);
    Cancel = true;
  }
  const QString senzaZero = ui::Q(Estrazioni::CambioTestoCasella(ui::S(box->text())).testo);
  if (box->text() != senzaZero) box->setText(senzaZero);
}

void Extrazioni::Est_GotFocus(int Index) { Est[Index]->selectAll(); }

void Extrazioni::Est_LostFocus(int Index) { UltimoEst = Index; }

// The save checks on the panel: colours the faulty boxes, shows the refusal
// or asks about a date out of sequence; the draw to store when it may be.
std::optional<Estrazione> Extrazioni::estrazioneDaSalvare() {
  // The draw takes the date in view: a date typed in part is completed
  // first, and a text that is no date is refused.
  if (!Giorni->conferma()) {
    ui::Msg(this, QStringLiteral("DATA NON VALIDA !"), ui::Icona::Critica);
    Giorni->setFocus();
    return std::nullopt;
  }
  Estrazioni::Caselle caselle;
  for (int i = 1; i <= Estrazioni::kCaselle; ++i) caselle[i - 1] = ui::S(Est[i]->text());
  const Stato& s = stato();
  const Estrazioni::VerificaSalvataggio v =
      Estrazioni::VerificaNuovaEstrazione(s.ArchivioEstrazioni, s.TotEstrazioni(), DataDi(Giorni->date()), caselle);
  using C = Estrazioni::Controllo;
  if (v.controllo != C::ArchivioPieno && v.controllo != C::DataPresente)
    for (int i = 1; i <= Estrazioni::kCaselle; ++i)
      coloraCasella(i, std::find(v.caselleErrate.begin(), v.caselleErrate.end(), i) != v.caselleErrate.end());
  if (v.controllo == C::Superato) return v.estrazione;
  if (v.controllo == C::FuoriSequenza) {
    if (ui::Msg(this, ui::Q(v.messaggio), ui::Icona::Nessuna, ui::Pulsanti::SiNo) == ui::Risposta::Si)
      return v.estrazione;
  } else {
    ui::Msg(this, ui::Q(v.messaggio), IconaDi(v.icona));
  }
  if (v.fuoco > 0) Est[v.fuoco]->setFocus();
  else Giorni->setFocus();
  return std::nullopt;
}

void Extrazioni::CmdSalva_Click() {
  const std::optional<Estrazione> nuova = estrazioneDaSalvare();
  if (!nuova) return;
  Risultato<int> salvato = [&] {
    ui::Clessidra clessidra;
    return Estrazioni::SalvaNuovaEstrazione(stato(), *nuova);
  }();
  if (!salvato) {
    ui::Msg(this, ui::Q(salvato.motivo()), ui::Icona::Critica);
    return;
  }
  // The whole image went to disk, corrections included.
  mSulDisco.reset();
  ArchivioVariato = true;
  // A draw stored out of date order moves the records after it: the grid
  // shows the stored draw, so that a correction acts on what the user sees.
  EstrCorrente = *salvato;
  Visualizza_Estrazione(EstrCorrente);
  if (ui::Msg(this, QString::fromUtf8(Estrazioni::kDomandaSalvata), ui::Icona::Informazione, ui::Pulsanti::SiNo,
              QString(), ui::Risposta::No) == ui::Risposta::Si) {
    CmdInserisci_Click();
    return;
  }
  Giorni->hide();
  CmdEsci_Click();
}

void Extrazioni::CmdIncolla_Click() {
  const std::string testo = ui::S(ui::servizi().appunti->testo());
  const Data oggi = DataDi(QDate::currentDate());
  Estrazioni::Incollato r = Estrazioni::Incolla(testo, oggi);
  using E = Estrazioni::Incollato::Esito;
  if (r.esito == E::ChiediConferma) {
    if (ui::Msg(this, ui::Q(r.messaggio), ui::Icona::Nessuna, ui::Pulsanti::SiNo) != ui::Risposta::Si) {
      Giorni->setFocus();
      return;
    }
    r = Estrazioni::Incolla(testo, oggi, true);
  }
  if (r.esito == E::DataAntecedente) {
    ui::Msg(this, ui::Q(r.messaggio), ui::Icona::Critica);
    Giorni->setFocus();
    return;
  }
  if (r.data) Giorni->setDate(QDate(r.data->anno, r.data->mese, r.data->giorno));
  for (int i = 1; i <= Estrazioni::kCaselle; ++i)
    if (r.caselle[i - 1]) Est[i]->setText(ui::Q(*r.caselle[i - 1]));
  if (r.esito == E::Rifiutato) ui::Msg(this, ui::Q(r.messaggio), ui::Icona::Critica);
}

// --- Correcting, deleting, leaving, closing ------------------------------------

void Extrazioni::GridEst_DblClick() {
  if (GridEst->mouseRow() < 1 || GridEst->mouseCol() < 1) return;
  const int r = GridEst->row(), c = GridEst->col();
  Archivio& a = stato().ArchivioEstrazioni;
  const std::optional<QString> risposta = ui::servizi().dialoghi->chiedi(
      this, ui::Q(Estrazioni::PromptCorrezione(a, EstrCorrente, r, c)),
      QString::fromLatin1(Estrazioni::kTitoloCorrezione), ui::Q(Estrazioni::TestoCella(a, EstrCorrente, r, c)));
  if (!risposta) return;
  const Estrazioni::Correzione v = Estrazioni::ValutaCorrezione(a, EstrCorrente, r, c, ui::S(*risposta));
  using E = Estrazioni::Correzione::Esito;
  if (v.esito == E::Nessuna) return;
  if (v.esito != E::Corretto) {
    ui::Msg(this, ui::Q(v.messaggio), ui::Icona::Critica, ui::Pulsanti::Ok,
            QString::fromLatin1(Estrazioni::kTitoloErrore));
    if (v.esito == E::Ripetuto) GridEst->setCol(c);
    return;
  }
  GridEst->setCol(c);
  if (!mSulDisco) mSulDisco = a;
  a(EstrCorrente, r, c) = static_cast<std::uint8_t>(v.valore);
  ArchivioVariato = true;
  Visualizza_Estrazione(EstrCorrente);
}

void Extrazioni::CmdElimina_Click() {
  Stato& s = stato();
  if (Esito ammessa = Estrazioni::EliminazioneAmmessa(s.TotEstrazioni()); !ammessa) {
    ui::Msg(this, ui::Q(ammessa.motivo()), ui::Icona::Critica);
    return;
  }
  if (ui::Msg(this, QString::fromUtf8(Estrazioni::kDomandaCancella), ui::Icona::Nessuna, ui::Pulsanti::SiNo) !=
      ui::Risposta::Si)
    return;
  ui::Clessidra clessidra;
  if (Esito eliminata = Estrazioni::EliminaEstrazione(s, EstrCorrente); !eliminata) {
    ui::Msg(this, ui::Q(eliminata.motivo()), ui::Icona::Critica);
    return;
  }
  // The whole image went to disk, corrections included. The indices are
  // rebuilt: every list and the range bar follow at once.
  mSulDisco.reset();
  ArchivioVariato = true;
  riempiListe();
  mContesto.programma.notificaArchivioVariato();
  mostraUltima();
}

void Extrazioni::CmdEsci_Click() {
  if (Frame1->isHidden()) {
    ui::Finestre::Chiudi(this);
    return;
  }
  if (!Giorni->isHidden() &&
      ui::Msg(this, QString::fromUtf8(Estrazioni::kDomandaAnnulla), ui::Icona::Nessuna, ui::Pulsanti::SiNo) !=
          ui::Risposta::Si) {
    Est[UltimoEst >= 1 ? UltimoEst : 1]->setFocus();
    return;
  }
  ui::Clessidra clessidra;
  Stato& s = stato();
  // Draws were saved: the lists and the scroll bar take them in.
  if (CmbData->count() != s.TotEstrazioni()) {
    riempiListe();
    mostraUltima();
  }
  modoVista(true);
}

bool Extrazioni::Form_QueryUnload() {
  if (ArchivioVariato) {
    Stato& s = stato();
    // Written in either mode, so that no correction is lost.
    const Esito scritto = [&s] {
      ui::Clessidra clessidra;
      return Estrazioni::Chiusura_Scrivi_Archivio(s);
    }();
    if (!scritto) {
      if (!rinunciaAlleCorrezioni(scritto.motivo())) return false;
      Estrazioni::Chiusura_Segui_Disco(s, mSulDisco ? &*mSulDisco : nullptr);
    }
    mSulDisco.reset();
    ArchivioVariato = false;
    // Once the indices are rebuilt the shell rebuilds the range bar and every
    // window that reads the archive closes; the progress window rebuilds the
    // distance files from what memory now holds, the archive on disk.
    const Esito completa = [&] {
      ui::Clessidra clessidra;
      return Estrazioni::Chiusura_Completa(
          s,
          [this] {
            mContesto.programma.notificaArchivioVariato();
            mContesto.finestre.chiudiLettoriArchivio(this);
          },
          [this](const Stato& st) { return CreaArchivi::Esegui(window(), st); });
    }();
    if (!completa) ui::Msg(this, ui::Q(completa.motivo()), ui::Icona::Critica);
  }
  mContesto.finestre.mostraBarraLimiti();
  return true;
}

bool Extrazioni::rinunciaAlleCorrezioni(const std::string& motivo) {
  // Corrections that only memory holds go only on the user's word.
  if (mSulDisco && *mSulDisco != stato().ArchivioEstrazioni)
    return ui::Msg(this,
                   QStringLiteral("Le correzioni non sono state salvate:\r\n%1\r\n\r\n"
                                  "Chiudere comunque e perderle ?")
                       .arg(ui::Q(motivo)),
                   ui::Icona::Esclamativa, ui::Pulsanti::SiNo, QString(),
                   ui::Risposta::No) == ui::Risposta::Si;
  // The disk holds every draw saved and deleted: nothing is lost.
  ui::Msg(this, ui::Q(motivo), ui::Icona::Critica);
  return true;
}

void Extrazioni::closeEvent(QCloseEvent* e) {
  if (Form_QueryUnload())
    e->accept();
  else
    e->ignore();
}
