#include "stats/TabForm.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "core/testo.h"
#include "stats/TastiFormazione.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/PannelloTesto.h"
#include "ui/Rapporto.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace fz = formazioni;

namespace {

constexpr int kStretta = 5400;  // twips: the window while browsing
constexpr int kLarga = 10600;   // twips: with a panel or the table view
constexpr int kAlta = 7200;
constexpr int kAltezzaVista = 5900;
constexpr int kMargine = 6;         // pixels around the window's contents
constexpr int kLunghezzaNome = 30;  // characters of the three entry boxes

// Names must survive the Windows-1252 file: text with any other character is
// refused as it is typed or pasted.
class SoloCp1252 : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& testo, int&) const override {
    return testo::InCp1252(ui::S(testo)) ? Acceptable : Invalid;
  }
};

QPushButton* Pulsante(const QString& nome, const char* caption) {
  auto* b = new QPushButton(QString::fromUtf8(caption));
  b->setObjectName(nome);
  b->setAutoDefault(false);
  return b;
}

QLineEdit* Casella(const char* nome, QObject* filtro) {
  auto* t = new QLineEdit;
  t->setObjectName(QString::fromLatin1(nome));
  t->setMaxLength(kLunghezzaNome);
  t->installEventFilter(filtro);
  return t;
}

QLabel* Etichetta(const char* caption, QWidget* compagno = nullptr) {
  auto* l = new QLabel(QString::fromUtf8(caption));
  if (compagno) l->setBuddy(compagno);
  return l;
}

QHBoxLayout* Riga(std::initializer_list<QWidget*> widget) {
  auto* r = new QHBoxLayout;
  for (QWidget* w : widget) r->addWidget(w);
  return r;
}

// The "ERRORI !" box of the editor: each fault on its line, a line break
// after each but the one of doubled numbers.
QString TestoErrori(const std::vector<std::string>& errori) {
  QString out;
  for (const std::string& e : errori) {
    if (!out.isEmpty() && !out.endsWith(QLatin1Char('\n'))) out += QLatin1Char('\n');
    out += ui::Q(e);
    if (e != "Numeri doppi non validi !") out += QLatin1Char('\n');
  }
  return out;
}

}  // namespace

TabForm::TabForm(const ui::Contesto& contesto, QWidget* parent)
    : QWidget(parent), mCartella(contesto.stato().CartellaProgramma) {
  setObjectName(QStringLiteral("TabForm"));
  setProperty("argomentoAiuto", 60040);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("Gestione Tabella Formazioni Numeriche"));
  ui::Finestre::NascondeLimiti(this);
  ui::Finestre::IndipendenteDallArchivio(this);
  creaControlli();
  impostaModo(Modo::Consultazione);
  // The lists take the height there is: the designed height unless the
  // controls cannot fit in it.
  ui::Finestre::ImpostaDimensioni(this, std::max(kStretta, ui::Twip(sizeHint().width() + 8)),
                                  std::max(kAlta, ui::Twip(minimumSizeHint().height() + 32)));

  // Form_Load: the reader.
  fz::Riduzione ridotta;
  auto letta = fz::Leggi(mCartella, &ridotta);
  if (!letta) {
    ui::Finestre::Rinuncia(this, ui::Q(letta.motivo()));
    return;
  }
  if (!letta->has_value()) {
    ui::Finestre::Rinuncia(this, ui::Q(fz::kFileAssente), ui::Icona::Nessuna);
    return;
  }
  Tabella = std::move(**letta);
  if (ridotta) {
    TabellaRidotta = ridotta;
    ui::Finestre::Avvisa(this, ui::Q(fz::AvvisoTabellaRidotta(ridotta)));
  }
  for (const fz::Gruppo& g : Tabella.gruppi) ListG->addItem(ui::Q(g.nome));
  if (ListG->count() > 0) ListG->setCurrentRow(0);
}

void TabForm::creaControlli() {
  ListG = new QListWidget;
  ListG->setObjectName(QStringLiteral("ListG"));
  // Tall enough for every group, the user's own after the standard ones.
  ListG->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  Label2 = Etichetta("&Gruppo", ListG);
  ListF = new QListWidget;
  ListF->setObjectName(QStringLiteral("ListF"));
  Label3 = Etichetta("&Formazioni", ListF);
  TxN = new QLineEdit;
  TxN->setObjectName(QStringLiteral("TxN"));
  TxN->setReadOnly(true);
  Label1 = Etichetta("&Composizione Formazione", TxN);
  const char* const gruppi[] = {"&Aggiungi", "&Modifica", "&Elimina"};
  const char* const formazioni[] = {"Agg&iungi", "M&odifica", "E&limina"};
  for (int i = 0; i < 3; ++i) {
    CmdGru[i] = Pulsante(QStringLiteral("CmdGru%1").arg(i), gruppi[i]);
    connect(CmdGru[i], &QPushButton::clicked, this, [this, i] { CmdGru_Click(i); });
    CmdFor[i] = Pulsante(QStringLiteral("CmdFor%1").arg(i), formazioni[i]);
    connect(CmdFor[i], &QPushButton::clicked, this, [this, i] { CmdFor_Click(i); });
  }
  Frame1 = new QGroupBox;
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* elenchi = new QVBoxLayout(Frame1);
  elenchi->addWidget(Label2);
  elenchi->addWidget(ListG, 1);
  elenchi->addLayout(Riga({CmdGru[0], CmdGru[1], CmdGru[2]}));
  elenchi->addWidget(Label3);
  elenchi->addWidget(ListF, 1);
  elenchi->addLayout(Riga({CmdFor[0], CmdFor[1], CmdFor[2]}));
  elenchi->addWidget(Label1);
  elenchi->addWidget(TxN);
  CmdSalva = Pulsante(QStringLiteral("CmdSalva"), "&Salva Tabella");
  CmdVisTab = Pulsante(QStringLiteral("CmdVisTab"), "&Visualizza Tabella");
  CmdEsci = Pulsante(QStringLiteral("CmdEsci"), "&Esci");
  auto* sinistra = new QWidget;
  auto* colonna = new QVBoxLayout(sinistra);
  colonna->setContentsMargins(0, 0, 0, 0);
  colonna->addWidget(Frame1, 1);
  colonna->addLayout(Riga({CmdSalva, CmdVisTab, CmdEsci}));
  // The narrow window is the left column, its margins and the frame's borders.
  sinistra->setFixedWidth(std::max(sinistra->sizeHint().width(), ui::Pixel(kStretta) - 2 * kMargine - 8));

  // The insertion panel.
  TxG = Casella("TxG", this);
  TxG->setValidator(new SoloCp1252(TxG));
  Label6 = Etichetta("GRUPPO");
  Label6->setBuddy(TxG);
  CmdInsG = Pulsante(QStringLiteral("CmdInsG"), "&Inserisci Gruppo");
  CmdAnnulla = Pulsante(QStringLiteral("CmdAnnulla"), "&Annulla");
  TxF = Casella("TxF", this);
  TxF->setValidator(new SoloCp1252(TxF));
  Label5 = Etichetta("Nome Formazione", TxF);
  TxM = Casella("TxM", this);
  Label4 = Etichetta("Composizione Formazione", TxM);
  CmdOK = Pulsante(QStringLiteral("CmdOK"), "&Inserisci Formazione");
  CmdFine = Pulsante(QStringLiteral("CmdFine"), "&Fine Inserimento");
  Frame3 = new QGroupBox;
  Frame3->setObjectName(QStringLiteral("Frame3"));
  auto* formazione = new QVBoxLayout(Frame3);
  for (QWidget* w : std::initializer_list<QWidget*>{Label5, TxF, Label4, TxM}) formazione->addWidget(w);
  formazione->addLayout(Riga({CmdOK, CmdFine}));
  Frame2 = new QGroupBox(QStringLiteral("Inserimento Gruppi/Formazioni"));
  Frame2->setObjectName(QStringLiteral("Frame2"));
  auto* pannello = new QVBoxLayout(Frame2);
  pannello->addWidget(Label6);
  pannello->addWidget(TxG);
  pannello->addLayout(Riga({CmdInsG, CmdAnnulla}));
  pannello->addWidget(Frame3);
  pannello->addStretch(1);

  // The table view.
  TxT = new ui::PannelloTesto;
  TxT->setObjectName(QStringLiteral("TxT"));
  TxT->setAccessibleName(QStringLiteral("Tabella Formazioni"));
  TxT->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  TxT->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  TxT->setFixedHeight(ui::Pixel(kAltezzaVista));
  // As wide as the design's view, wider for a longer line.
  TxT->setMisura(40, 1);
  CmdOkV = Pulsante(QStringLiteral("CmdOkV"), "&Ok");
  CmdStampa = Pulsante(QStringLiteral("CmdStampa"), "&Stampa");
  mVista = new QWidget;
  auto* vista = new QVBoxLayout(mVista);
  vista->setContentsMargins(0, 0, 0, 0);
  vista->addWidget(TxT);
  vista->addLayout(Riga({CmdOkV, CmdStampa}));
  vista->addStretch(1);

  mDestra = new QWidget;
  auto* destra = new QVBoxLayout(mDestra);
  destra->setContentsMargins(0, 0, 0, 0);
  destra->addWidget(Frame2);
  destra->addWidget(mVista);
  auto* tutto = new QHBoxLayout(this);
  tutto->setContentsMargins(kMargine, kMargine, kMargine, kMargine);
  tutto->addWidget(sinistra);
  tutto->addWidget(mDestra, 1);

  connect(ListG, &QListWidget::currentRowChanged, this, &TabForm::ListG_Click);
  connect(ListF, &QListWidget::currentRowChanged, this, &TabForm::ListF_Click);
  connect(CmdInsG, &QPushButton::clicked, this, &TabForm::CmdInsG_Click);
  connect(CmdAnnulla, &QPushButton::clicked, this, &TabForm::CmdAnnulla_Click);
  connect(CmdOK, &QPushButton::clicked, this, &TabForm::CmdOK_Click);
  connect(CmdFine, &QPushButton::clicked, this, &TabForm::CmdFine_Click);
  connect(CmdSalva, &QPushButton::clicked, this, &TabForm::CmdSalva_Click);
  connect(CmdVisTab, &QPushButton::clicked, this, &TabForm::CmdVisTab_Click);
  connect(CmdOkV, &QPushButton::clicked, this, &TabForm::CmdOkV_Click);
  connect(CmdStampa, &QPushButton::clicked, this, &TabForm::CmdStampa_Click);
  connect(CmdEsci, &QPushButton::clicked, this, &TabForm::CmdEsci_Click);
}

void TabForm::impostaModo(Modo modo) {
  mModo = modo;
  const bool largo = modo != Modo::Consultazione;
  const bool pannello = modo == Modo::PannelloGruppo || modo == Modo::PannelloFormazione;
  Frame1->setEnabled(!largo);
  for (QPushButton* b : {CmdSalva, CmdVisTab, CmdEsci}) b->setEnabled(!pannello);
  mDestra->setVisible(largo);
  Frame2->setVisible(pannello);
  mVista->setVisible(modo == Modo::Vista);
  Frame3->setVisible(modo == Modo::PannelloFormazione);
  CmdInsG->setVisible(modo == Modo::PannelloGruppo);
  CmdAnnulla->setVisible(modo == Modo::PannelloGruppo);
  TxG->setEnabled(modo == Modo::PannelloGruppo);
  TxG->setReadOnly(modo != Modo::PannelloGruppo);

  const int larghezza = ui::Pixel(largo ? kLarga : kStretta);
  auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (!cornice) return;  // not yet placed: the registry gives the narrow size
  const int stretta = ui::Pixel(property("dimensioniTwip").toSize().width());
  int voluta = largo ? std::max(larghezza, stretta + mDestra->sizeHint().width()) : stretta;
  // Never wider than the host from where the window stands.
  if (QMdiArea* area = cornice->mdiArea())
    voluta = std::max(stretta, std::min(voluta, area->viewport()->width() - cornice->x()));
  cornice->resize(voluta, cornice->height());
}

int TabForm::gruppo() const { return ListG->currentRow(); }
int TabForm::formazione() const { return ListF->currentRow(); }

// --- Lists -------------------------------------------------------------------

void TabForm::ListG_Click() {
  const int g = gruppo();
  {
    const QSignalBlocker blocco(ListF);
    ListF->clear();
    if (g >= 0)
      for (const fz::Formazione& f : Tabella.gruppi[g].formazioni) ListF->addItem(ui::Q(f.nome));
  }
  if (ListF->count() > 0) ListF->setCurrentRow(0);
  ListF_Click();
}

void TabForm::ListF_Click() {
  const int g = gruppo(), f = std::max(0, formazione());
  const bool presente = g >= 0 && f < static_cast<int>(Tabella.gruppi[g].formazioni.size());
  TxN->setText(presente ? ui::Q(Tabella.gruppi[g].formazioni[f].numeri.value_or("")) : QString());
}

// --- Groups ------------------------------------------------------------------

void TabForm::CmdGru_Click(int Index) {
  const int g = gruppo();
  if (Index != 0 && g < fz::kGruppiStandard) {
    ui::Msg(this, Index == 1 ? QStringLiteral("Non si può modificare un gruppo standard")
                             : QStringLiteral("Non si può eliminare un gruppo standard"));
    return;
  }
  if (Index == 2) {
    if (ui::Msg(this, QStringLiteral("Cancellare Gruppo ") + ListG->item(g)->text() + QStringLiteral(" ?"),
                ui::Icona::Nessuna, ui::Pulsanti::SiNo) == ui::Risposta::Si)
      eliminaGruppo(g);
    return;
  }
  if (Index == 0 && static_cast<int>(Tabella.gruppi.size()) >= fz::kMaxGruppi) {
    ui::Msg(this, QStringLiteral("La Tabella contiene già %1 gruppi !").arg(fz::kMaxGruppi));
    return;
  }
  mModificaGruppo = Index != 0;
  CmdInsG->setText(Index == 0 ? QStringLiteral("&Inserisci Gruppo") : QStringLiteral("&Modifica Gruppo"));
  impostaModo(Modo::PannelloGruppo);
  TxG->setText(Index == 0 ? QString() : ListG->item(g)->text());
  TxG->selectAll();
  TxG->setFocus();
}

void TabForm::eliminaGruppo(int g) {
  Tabella.gruppi.erase(Tabella.gruppi.begin() + g);
  {
    const QSignalBlocker blocco(ListG);
    delete ListG->takeItem(g);
  }
  ListG->setCurrentRow(g - 1);
  ListG_Click();
}

void TabForm::CmdInsG_Click() {
  const QString nome = TxG->text();
  if (nome.isEmpty()) return;
  const bool modifica = mModificaGruppo;
  const int g = gruppo();
  // A renamed group may keep its own name (in other capitals, say).
  if (fz::GruppoPresente(Tabella, ui::S(nome), modifica ? g : -1)) {
    ui::Msg(this, QStringLiteral("Gruppo già presente !"));
    return;
  }
  if (modifica) {
    Tabella.gruppi[g].nome = ui::S(nome);
    ListG->item(g)->setText(nome);
    impostaModo(Modo::Consultazione);
    return;
  }
  const std::string maiuscolo = testo::Maiuscole(ui::S(nome));
  Tabella.gruppi.push_back({maiuscolo, {}});
  ListG->addItem(ui::Q(maiuscolo));
  ListG->setCurrentRow(ListG->count() - 1);
  mModificaFormazione = false;
  CmdOK->setText(QStringLiteral("&Inserisci Formazione"));
  impostaModo(Modo::PannelloFormazione);
  TxG->setText(ui::Q(maiuscolo));
  TxF->setFocus();
}

void TabForm::CmdAnnulla_Click() { impostaModo(Modo::Consultazione); }

// --- Formations --------------------------------------------------------------

void TabForm::CmdFor_Click(int Index) {
  const int g = gruppo();
  if (g < fz::kGruppiStandard) {
    static const char* const rifiuti[] = {"Non si possono aggiungere formazioni a un gruppo standard",
                                          "Non si può modificare una formazione standard",
                                          "Non si può eliminare una formazione standard"};
    ui::Msg(this, QString::fromUtf8(rifiuti[Index]));
    return;
  }
  auto& elenco = Tabella.gruppi[g].formazioni;
  const int f = formazione();
  if (Index == 2) {
    if (f < 0) return;
    if (elenco.size() == 1) {
      ui::Msg(this, QStringLiteral("Nel Gruppo deve essere presente almeno una formazione"));
      return;
    }
    if (ui::Msg(this, QStringLiteral("Cancellare Formazione ") + ListF->item(f)->text() + QStringLiteral(" ?"),
                ui::Icona::Nessuna, ui::Pulsanti::SiNo) != ui::Risposta::Si)
      return;
    elenco.erase(elenco.begin() + f);
    {
      const QSignalBlocker blocco(ListF);
      delete ListF->takeItem(f);
    }
    ListF->setCurrentRow(ListF->count() - 1);
    ListF_Click();
    return;
  }
  if (Index == 1 && f < 0) return;
  if (Index == 0 && static_cast<int>(elenco.size()) >= fz::kMaxFormazioni) {
    ui::Msg(this, QStringLiteral("Il Gruppo contiene già %1 formazioni !").arg(fz::kMaxFormazioni));
    return;
  }
  mModificaFormazione = Index != 0;
  CmdOK->setText(Index == 0 ? QStringLiteral("&Inserisci Formazione") : QStringLiteral("&Modifica Formazione"));
  impostaModo(Modo::PannelloFormazione);
  TxG->setText(ListG->item(g)->text());
  if (Index == 1) {
    TxF->setText(ListF->item(f)->text());
    TxM->setText(TxN->text());
  }
  TxF->setFocus();
}

void TabForm::CmdOK_Click() {
  if (TxF->text().isEmpty()) {
    ui::Msg(this, QStringLiteral("Inserire Nome Formazione !"));
    TxF->setFocus();
    return;
  }
  if (TxM->text().endsWith(QLatin1Char('.'))) TxM->setText(TxM->text().chopped(1));
  const std::string numeri = ui::S(TxM->text());
  const std::vector<std::string> errori = numeri.empty() ? std::vector<std::string>{} : fz::ControllaNumeri(numeri);
  if (numeri.empty() || !errori.empty()) {
    if (numeri.empty()) ui::Msg(this, QStringLiteral("Inserire numeri validi !"));
    else ui::Msg(this, TestoErrori(errori), ui::Icona::Critica, ui::Pulsanti::Ok, QStringLiteral("ERRORI !"));
    TxF->setFocus();
    return;
  }
  const int g = gruppo();
  auto& elenco = Tabella.gruppi[g].formazioni;
  const bool modifica = mModificaFormazione;
  const int f = modifica ? formazione() : -1;
  const std::string nome = ui::S(TxF->text());
  // A modified formation may keep its own name, so that only its numbers change.
  if (fz::FormazionePresente(Tabella.gruppi[g], nome, f)) {
    ui::Msg(this, QStringLiteral("Formazione già presente !"));
    return;
  }
  if (modifica) {
    elenco[f] = {nome, numeri};
    ListF->item(f)->setText(TxF->text());
    TxN->setText(TxM->text());
    impostaModo(Modo::Consultazione);
    return;
  }
  if (static_cast<int>(elenco.size()) >= fz::kMaxFormazioni) {
    ui::Msg(this, QStringLiteral("Il Gruppo contiene già %1 formazioni !").arg(fz::kMaxFormazioni));
    return;
  }
  elenco.push_back({nome, numeri});
  ListF->addItem(TxF->text());
  ListF->setCurrentRow(ListF->count() - 1);
  TxF->clear();
  TxM->clear();
  TxF->setFocus();
}

void TabForm::CmdFine_Click() {
  const int g = gruppo();
  if (ListF->count() > 0) {
    impostaModo(Modo::Consultazione);
    return;
  }
  // An empty group cannot stay: the user may drop it instead of adding a formation.
  const QString domanda = QStringLiteral("Nel Gruppo deve essere presente almeno una formazione\n\nEliminare il Gruppo ") +
                          ListG->item(g)->text() + QStringLiteral(" ?");
  if (ui::Msg(this, domanda, ui::Icona::Nessuna, ui::Pulsanti::SiNo) ==
      ui::Risposta::Si) {
    impostaModo(Modo::Consultazione);
    eliminaGruppo(g);
    return;
  }
  TxF->setFocus();
}

void TabForm::TxF_GotFocus() { TxF->selectAll(); }
void TabForm::TxM_GotFocus() { TxM->selectAll(); }

void TabForm::TxG_KeyPress(int& KeyAscii) {
  if (KeyAscii == 8) return;
  const QString maiuscolo = ui::Q(testo::Maiuscole(ui::S(QString(QChar(KeyAscii)))));
  if (maiuscolo.size() == 1) KeyAscii = maiuscolo.front().unicode();
}

void TabForm::TxM_KeyPress(int& KeyAscii) { TastiFormazione::FiltraNumeri(TxM, KeyAscii); }

// --- Saving, the table view and printing --------------------------------------

void TabForm::CmdSalva_Click() {
  if (TabellaRidotta &&
      ui::Msg(this,
              ui::Q(fz::AvvisoTabellaRidotta(TabellaRidotta)) +
                  QStringLiteral("\n\nSalvandola, quanto non è stato caricato andrà perso.\n\n"
                                 "Salvare comunque ?"),
              ui::Icona::Esclamativa, ui::Pulsanti::SiNo, QString(),
              ui::Risposta::No) != ui::Risposta::Si)
    return;
  if (const Esito scritto = fz::Scrivi(mCartella, Tabella); !scritto) {
    ui::Msg(this, ui::Q(scritto.motivo()), ui::Icona::Critica);
    return;
  }
  TabellaRidotta = {};
  ui::Msg(this, QStringLiteral("Tabella Formazioni Numeriche Salvata"));
}

void TabForm::CmdVisTab_Click() {
  TxT->setRighe(fz::RigheVista(Tabella));
  impostaModo(Modo::Vista);
}

void TabForm::CmdOkV_Click() { impostaModo(Modo::Consultazione); }

void TabForm::CmdStampa_Click() {
  // The lines the view shows, from the table itself.
  const std::vector<std::string> vista = fz::RigheVista(Tabella);
  if (vista.empty()) return;
  QStringList righe{ui::Titolo().toUpper(), QString()};
  for (const std::string& r : vista) righe << ui::Q(r);
  ui::StampaRighe(this, righe);
}

void TabForm::CmdEsci_Click() { ui::Finestre::Chiudi(this); }

bool TabForm::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::FocusIn) {
    // After the mouse has placed the caret, so that the selection stays.
    if (oggetto == TxF) QTimer::singleShot(0, this, &TabForm::TxF_GotFocus);
    else if (oggetto == TxM) QTimer::singleShot(0, this, &TabForm::TxM_GotFocus);
    return false;
  }
  if (evento->type() != QEvent::KeyPress) return false;
  auto* tasto = static_cast<QKeyEvent*>(evento);
  if (oggetto == TxG) return TastiFormazione::Filtra(TxG, tasto, [this](int& k) { TxG_KeyPress(k); });
  if (oggetto == TxM) return TastiFormazione::Filtra(TxM, tasto, [this](int& k) { TxM_KeyPress(k); });
  return false;
}
