#include "stats/StatRicerca.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "stats/TastiFormazione.h"
#include "stats/analisi_formazioni.h"
#include "stats/tabella_formazioni.h"
#include "ui/Finestre.h"
#include "ui/Font.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace fz = formazioni;

namespace {

// The item data of a formation entry of CmbF: its numbers (a group heading has none).
constexpr int kNumeri = Qt::UserRole;

}  // namespace

StatRicerca::StatRicerca(const ui::Contesto& contesto, QWidget* parent) : TelaioStatistiche(contesto, parent) {
  setObjectName(QStringLiteral("StatRicerca"));
  setProperty("argomentoAiuto", 60030);  // F1: its paragraph of the guide
  ui::Nomina(this, QStringLiteral("Analisi Formazioni Numeriche"));
  AggiungiSorte(1);
  AggiungiTitoloLista();
  creaControlli();
  Dimensiona(11340, 7155);
  CopiaRange();

  // Form_Load: the table's entries when the table is there. Its notices wait
  // until the window is on screen.
  if (!fz::Presente(mStato.CartellaProgramma)) {
    ui::Finestre::Avvisa(this, ui::Q(fz::kFileAssente));
    CmdAggiungi[1]->setEnabled(false);
    CmbF->setEnabled(false);
    return;
  }
  CmdAggiungi_Click(1);
}

void StatRicerca::creaControlli() {
  Label1 = new QLabel(QStringLiteral("&Formazione"));
  Label1->setObjectName(QStringLiteral("Label1"));
  TxtFormazione = new QLineEdit;
  TxtFormazione->setObjectName(QStringLiteral("TxtFormazione"));
  TxtFormazione->installEventFilter(this);
  Label1->setBuddy(TxtFormazione);
  const char* const aggiungi[] = {"&Aggiungi", "&Rileggi Tabella Formazioni"};
  const char* const lista[] = {"&Correggi", "&Elimina", "&Svuota"};
  for (int i = 0; i < 3; ++i) {
    if (i < 2) {
      CmdAggiungi[i] = new QPushButton(QString::fromLatin1(aggiungi[i]));
      CmdAggiungi[i]->setObjectName(QStringLiteral("CmdAggiungi%1").arg(i));
      connect(CmdAggiungi[i], &QPushButton::clicked, this, [this, i] { CmdAggiungi_Click(i); });
    }
    CmdNum[i] = new QPushButton(QString::fromLatin1(lista[i]));
    CmdNum[i]->setObjectName(QStringLiteral("CmdNum%1").arg(i));
    connect(CmdNum[i], &QPushButton::clicked, this, [this, i] { CmdNum_Click(i); });
  }
  CmbF = new QComboBox;
  CmbF->setObjectName(QStringLiteral("CmbF"));
  CmbF->setAccessibleName(QStringLiteral("Tabella Formazioni"));
  CmbF->setMaxVisibleItems(24);
  CmbF->setMinimumContentsLength(24);
  CmbF->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  connect(CmbF, &QComboBox::activated, this, &StatRicerca::CmbF_Click);
  ListFormazioni = new QListWidget;
  ListFormazioni->setObjectName(QStringLiteral("ListFormazioni"));
  ListFormazioni->setAccessibleName(QStringLiteral("Formazioni"));
  ListFormazioni->setFont(ui::FontRapporto());
  ListFormazioni->setMouseTracking(true);
  ListFormazioni->viewport()->installEventFilter(this);

  auto* riquadro = new QGroupBox;
  riquadro->setObjectName(QStringLiteral("FrameFormazioni"));
  auto* griglia = new QGridLayout(riquadro);
  griglia->addWidget(Label1, 0, 0);
  griglia->addWidget(TxtFormazione, 0, 1);
  griglia->addWidget(CmdAggiungi[0], 0, 2);
  auto* pulsanti = new QVBoxLayout;
  for (int i = 0; i < 3; ++i) pulsanti->addWidget(CmdNum[i]);
  pulsanti->addStretch();
  griglia->addWidget(ListFormazioni, 1, 0, 1, 2);
  griglia->addLayout(pulsanti, 1, 2);
  griglia->addWidget(CmbF, 2, 0, 1, 2);
  griglia->addWidget(CmdAggiungi[1], 2, 2);
  griglia->setRowStretch(1, 1);
  // The list is as tall as its row of buttons asks: the room goes to the report.
  ListFormazioni->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
  OpzioniFinestra->addWidget(riquadro, 1);
}

std::vector<std::string> StatRicerca::formazioni() const {
  std::vector<std::string> out;
  for (int i = 0; i < ListFormazioni->count(); ++i) out.push_back(ui::S(ListFormazioni->item(i)->text()));
  return out;
}

// --- The run -------------------------------------------------------------------

void StatRicerca::Analisi_Formazioni() {
  if (ListFormazioni->count() == 0) return;
  Elabora();
}

std::vector<std::string> StatRicerca::ControlliAggiuntivi() {
  return AnalisiFormazioni::ControllaFormazioni(formazioni(), Sorte());
}

Statistiche::Elaborazione StatRicerca::Calcola() {
  const AnalisiFormazioni::Opzioni o{EstrInizio, EstrFine, RuoteScelte(), RuoteSpuntate, Sorte(), formazioni()};
  return AnalisiFormazioni::Analisi_Formazioni(mStato.ArchivioEstrazioni, o, mStato.Titolo);
}

QString StatRicerca::Intestazione() const { return ui::Titolo(); }

// --- The formation list ----------------------------------------------------------

void StatRicerca::TxtFormazione_KeyPress(int& KeyAscii) { TastiFormazione::FiltraNumeri(TxtFormazione, KeyAscii); }

bool StatRicerca::Controlla_Numeri(const QString& testo) {
  const std::vector<std::string> errori = fz::ControllaNumeri(ui::S(testo));
  if (errori.empty()) return true;
  QString messaggio;
  for (const std::string& e : errori) messaggio += ui::Q(e) + QLatin1Char('\n');
  ui::Msg(this, messaggio, ui::Icona::Critica, ui::Pulsanti::Ok, QStringLiteral("ERRORI !"));
  return false;
}

void StatRicerca::CmdAggiungi_Click(int Index) {
  if (Index == 0) {
    if (TxtFormazione->text().isEmpty()) return;
    if (TxtFormazione->text().endsWith(QLatin1Char('.'))) TxtFormazione->setText(TxtFormazione->text().chopped(1));
    if (!Controlla_Numeri(TxtFormazione->text())) return;
    ListFormazioni->addItem(TxtFormazione->text());
    TxtFormazione->clear();
    return;
  }
  // Reading the table again replaces its entries.
  CmbF->clear();
  // The editor's limits apply here too, before anything reaches the list.
  fz::Riduzione ridotta;
  auto letta = fz::Leggi(mStato.CartellaProgramma, &ridotta);
  if (!letta) {
    ui::Finestre::Avvisa(this, ui::Q(letta.motivo()), ui::Icona::Critica);
    return;
  }
  if (!letta->has_value()) {
    ui::Finestre::Avvisa(this, ui::Q(fz::kFileAssente));
    return;
  }
  if (ridotta) ui::Finestre::Avvisa(this, ui::Q(fz::AvvisoTabellaRidotta(ridotta)));
  const QSignalBlocker blocco(CmbF);
  for (const fz::Voce& v : fz::Voci(**letta))
    CmbF->addItem(ui::Q(v.testo), v.formazione ? QVariant(ui::Q(v.numeri)) : QVariant());
  CmbF->setCurrentIndex(CmbF->count() > 0 ? 0 : -1);
}

void StatRicerca::CmbF_Click(int indice) {
  const QVariant numeri = CmbF->itemData(indice, kNumeri);
  if (!numeri.isValid()) return;  // a group heading
  TxtFormazione->setText(ui::Q(fz::AccodaNumeri(ui::S(TxtFormazione->text()), ui::S(numeri.toString()))));
}

void StatRicerca::CmdNum_Click(int Index) {
  QListWidgetItem* scelto = ListFormazioni->selectedItems().isEmpty() ? nullptr : ListFormazioni->currentItem();
  switch (Index) {
    case 0:
      if (!scelto) return;
      TxtFormazione->setText(scelto->text());
      delete scelto;
      break;
    case 1:
      if (!scelto) return;
      if (ui::Msg(this, QStringLiteral("Eliminare Formazione ?"), ui::Icona::Nessuna, ui::Pulsanti::SiNo) ==
          ui::Risposta::Si)
        delete scelto;
      break;
    case 2:
      if (ui::Msg(this, QStringLiteral("Eliminare tutte le Formazioni ?"), ui::Icona::Nessuna,
                  ui::Pulsanti::SiNo) == ui::Risposta::Si)
        ListFormazioni->clear();
      break;
    default:
      break;
  }
}

void StatRicerca::ListFormazioni_MouseMove(const QPoint& punto) {
  const QListWidgetItem* sotto = ListFormazioni->itemAt(punto);
  ui::SuggerimentoSemplice(ListFormazioni, sotto ? sotto->text() : QString());
}

bool StatRicerca::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == TxtFormazione && evento->type() == QEvent::KeyPress)
    return TastiFormazione::Filtra(TxtFormazione, static_cast<QKeyEvent*>(evento),
                                   [this](int& k) { TxtFormazione_KeyPress(k); });
  if (oggetto == ListFormazioni->viewport() && evento->type() == QEvent::MouseMove)
    ListFormazioni_MouseMove(static_cast<QMouseEvent*>(evento)->position().toPoint());
  return TelaioStatistiche::eventFilter(oggetto, evento);
}
