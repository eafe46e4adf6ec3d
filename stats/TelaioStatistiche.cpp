#include "stats/TelaioStatistiche.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/indici.h"
#include "core/nomi.h"
#include "ui/Clessidra.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Font.h"
#include "ui/PannelloTesto.h"
#include "ui/Rapporto.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

// The event list's lines and the draw of each, shown by a list view: a run
// with tens of thousands of events costs one string per line, no item
// objects.
class ModelloEventi : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void imposta(QStringList righe, std::vector<int> estrazioni) {
    beginResetModel();
    mRighe = std::move(righe);
    mEstrazioni = std::move(estrazioni);
    endResetModel();
  }
  int estrazione(int i) const { return i >= 0 && i < mRighe.size() ? mEstrazioni[i] : 0; }
  QString riga(int i) const { return i >= 0 && i < mRighe.size() ? mRighe[i] : QString(); }

  int rowCount(const QModelIndex& genitore = QModelIndex()) const override {
    return genitore.isValid() ? 0 : static_cast<int>(mRighe.size());
  }
  QVariant data(const QModelIndex& i, int ruolo) const override {
    if (!i.isValid() || i.row() >= mRighe.size()) return {};
    if (ruolo == Qt::DisplayRole) return mRighe[i.row()];
    if (ruolo == Qt::UserRole) return mEstrazioni[i.row()];
    return {};
  }

 private:
  QStringList mRighe;
  std::vector<int> mEstrazioni;
};

ModelloEventi* Modello(QAbstractListModel* m) { return static_cast<ModelloEventi*>(m); }

const char* const kSorti[] = {"Ambata", "Ambo", "Terno", "Quaterna", "Cinquina"};

}  // namespace

TelaioStatistiche::TelaioStatistiche(const ui::Contesto& contesto, QWidget* parent)
    : QWidget(parent), mContesto(contesto), mStato(contesto.stato()) {
  creaControlli();
  Frame5->hide();
  Cmd[2]->setEnabled(false);
  Cmd[3]->setEnabled(false);
}

void TelaioStatistiche::creaControlli() {
  // "OPZIONI": the wheels, then the window's own options.
  Frame1 = new QGroupBox(QStringLiteral("OPZIONI"));
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame2 = new QGroupBox(QStringLiteral("Ruote"));
  Frame2->setObjectName(QStringLiteral("Frame2"));
  auto* ruote = new QGridLayout(Frame2);
  ruote->setSpacing(2);
  for (int i = 1; i <= 11; ++i) {
    auto* c = new QCheckBox(i == 11 ? QStringLiteral("TUTTE") : ui::Q(Inizio::NomiRuote[i]));
    c->setObjectName(QStringLiteral("CheckESTR%1").arg(i));
    CheckESTR[i] = c;
    ruote->addWidget(c, (i - 1) % 6, (i - 1) / 6);
    connect(c, &QCheckBox::toggled, this, [this, i] { CheckESTR_Click(i); });
  }
  auto* opzioni = new QHBoxLayout(Frame1);
  opzioni->addWidget(Frame2);
  OpzioniFinestra = new QHBoxLayout;
  opzioni->addLayout(OpzioniFinestra);
  opzioni->addStretch();

  const char* const didascalie[] = {"Elabora", "Esci", "&Stampa", "S&alva"};
  auto* pulsanti = new QVBoxLayout;
  mPulsanti = pulsanti;
  for (int i = 0; i <= 3; ++i) {
    auto* b = new QPushButton(QString::fromLatin1(didascalie[i]));
    b->setObjectName(QStringLiteral("Cmd%1").arg(i));
    Cmd[i] = b;
    pulsanti->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, i] { Cmd_Click(i); });
  }
  pulsanti->addStretch();

  Text1 = new ui::PannelloTesto;
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setAccessibleName(QStringLiteral("Risultati"));
  Text1->setFont(ui::FontRapporto(9));
  Text1->setMinimumSize(Text1->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('0'))),
                        8 * Text1->fontMetrics().lineSpacing());

  ListRit = new QListView;
  ListRit->setObjectName(QStringLiteral("ListRit"));
  // Named as the heading some windows show over it.
  ListRit->setAccessibleName(QStringLiteral("Dettaglio Presenze / Ritardo"));
  ListRit->setUniformItemSizes(true);
  ListRit->setEditTriggers(QAbstractItemView::NoEditTriggers);
  mEventi = new ModelloEventi(this);
  ListRit->setModel(mEventi);
  ListRit->setFixedWidth(ListRit->fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000 CAGLIARI 0000")) + 30);
  connect(ListRit->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { ListRit_Click(); });

  // The detail panel: a row per wheel, its name and its five numbers.
  Frame5 = new QGroupBox(QStringLiteral("Estrazione"));
  Frame5->setObjectName(QStringLiteral("Frame5"));
  auto* dettaglio = new QGridLayout(Frame5);
  dettaglio->setSpacing(1);
  const int lato = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 6;
  for (int w = 1; w <= 10; ++w) {
    ruo[w] = new QLabel(QLatin1Char(' ') + ui::Q(Inizio::NomiRuote[w]));
    ruo[w]->setObjectName(QStringLiteral("ruo%1").arg(w));
    dettaglio->addWidget(ruo[w], w - 1, 0);
    for (int p = 1; p <= 5; ++p) {
      auto* l = new QLabel;
      const int i = (w - 1) * 5 + p;
      l->setObjectName(QStringLiteral("NUM%1").arg(i));
      l->setAlignment(Qt::AlignCenter);
      l->setAutoFillBackground(true);
      l->setFrameShape(QFrame::Box);
      l->setFixedWidth(lato);
      NUM[i] = l;
      dettaglio->addWidget(l, w - 1, p);
    }
  }
  dettaglio->setColumnMinimumWidth(0, fontMetrics().horizontalAdvance(QStringLiteral(" CAGLIARI")) + 6);
  dettaglio->setRowStretch(10, 1);

  StBar = new QStatusBar;
  StBar->setObjectName(QStringLiteral("StBar"));
  StBar->setSizeGripEnabled(false);
  Panel1 = new QLabel;
  StBar->addWidget(Panel1, 1);

  // The options, the buttons and the detail panel over the report and the
  // event list; the panel keeps its room while it is hidden.
  QSizePolicy politica = Frame5->sizePolicy();
  politica.setRetainSizeWhenHidden(true);
  Frame5->setSizePolicy(politica);
  auto* comandi = new QHBoxLayout;
  mComandi = comandi;
  // Empty, so without room, unless the options and the buttons stand in it.
  mOpzioni = new QVBoxLayout;
  comandi->addLayout(mOpzioni);
  comandi->addWidget(Frame1);
  comandi->addLayout(pulsanti);
  comandi->addStretch();
  comandi->addWidget(Frame5);
  auto* lista = new QVBoxLayout;
  mLista = lista;
  lista->addWidget(ListRit, 1);
  // Down to five lines where the host is short (a 768-pixel screen holds the
  // tallest of these windows), 25 where there is room.
  Text1->setMinimumHeight(5 * Text1->fontMetrics().lineSpacing() + 2 * Text1->frameWidth());
  auto* risultati = new QHBoxLayout;
  mRisultati = risultati;
  risultati->addWidget(Text1, 1);
  risultati->addLayout(lista);
  Sopra = new QVBoxLayout;
  auto* finestra = new QVBoxLayout(this);
  mFinestra = finestra;
  finestra->setContentsMargins(4, 4, 4, 0);
  finestra->addLayout(Sopra);
  finestra->addLayout(comandi);
  finestra->addLayout(risultati, 1);
  finestra->addWidget(StBar);
}

void TelaioStatistiche::AggiungiSorte(int predefinita) {
  Frame3 = new QGroupBox(QStringLiteral("Sorte"));
  Frame3->setObjectName(QStringLiteral("Frame3"));
  auto* sorti = new QVBoxLayout(Frame3);
  sorti->setSpacing(2);
  for (int i = 0; i <= 4; ++i) {
    OptSorte[i] = new QRadioButton(QString::fromLatin1(kSorti[i]));
    OptSorte[i]->setObjectName(QStringLiteral("OptSorte%1").arg(i));
    sorti->addWidget(OptSorte[i]);
  }
  sorti->addStretch();
  OptSorte[predefinita]->setChecked(true);
  OpzioniFinestra->addWidget(Frame3);
}

int TelaioStatistiche::Sorte() const {
  for (const auto& [i, o] : OptSorte)
    if (o->isChecked()) return i + 1;
  return 1;
}

QString TelaioStatistiche::NomeSorte() const { return QString::fromLatin1(kSorti[Sorte() - 1]); }

void TelaioStatistiche::AggiungiTitoloLista() {
  LabelLista = new QLabel(QStringLiteral("Dettaglio Presenze / Ritardo"));
  LabelLista->setObjectName(QStringLiteral("LabelLista"));
  LabelLista->setBuddy(ListRit);
  mLista->insertWidget(mLista->indexOf(ListRit), LabelLista);
}

void TelaioStatistiche::Dimensiona(int larghezzaTwip, int altezzaTwip) {
  // The registry opens the window larger where its controls and a report of
  // 25 lines need it; the report and the event list take the room left.
  ui::Finestre::ImpostaDimensioni(this, larghezzaTwip, altezzaTwip);
}

namespace {

// A layout keeps the sizes its items told it until it is invalidated, and
// an inner layout's change does not invalidate the outer ones.
void Invalida(QLayoutItem* elemento) {
  QLayout* l = elemento->layout();
  if (!l) return;
  l->invalidate();
  for (int i = 0; QLayoutItem* figlio = l->itemAt(i); ++i) Invalida(figlio);
}

}  // namespace

QSize TelaioStatistiche::minimumSizeHint() const {
  QSize minimo = QWidget::minimumSizeHint();
  if (mDisposta) minimo.setWidth(mLarghezzaMinima);
  return minimo;
}

void TelaioStatistiche::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
  QMdiArea* area = sotto ? sotto->mdiArea() : nullptr;
  if (!area || !PostoDettaglio() || mDisposta) return;
  mDisposta = true;
  Invalida(layout());
  mLarghezzaMinima = layout()->minimumSize().width();
  // Opening, the window may take the room the host has from where it
  // stands: the arrangement that room holds, as large as it asks there.
  const int cornice = sotto->isMaximized() ? 0 : sotto->x() + sotto->width() - width();
  disponi(area->viewport()->width() - cornice);
  ui::Finestre::Adatta(this);
  disponi(width());
}

void TelaioStatistiche::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  // Only the width chooses the arrangement.
  if (mDisposta && !mInCorso && evento->size().width() != evento->oldSize().width())
    disponi(width());
}

void TelaioStatistiche::disponi(int larghezza) {
  auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (!sotto || sotto->isMinimized()) return;
  mInCorso = true;
  for (Disposizione d : {Disposizione::Larga, Disposizione::Media, Disposizione::Stretta}) {
    applica(d);
    Invalida(layout());
    const int minima = layout()->minimumSize().width();
    if (d == Disposizione::Stretta) mLarghezzaMinima = minima;
    if (minima <= larghezza) break;
  }
  // Nothing of the window is left outside it: where its controls need more
  // room than it has (the narrower arrangements are taller), it grows, also
  // maximised, and the host scrolls.
  updateGeometry();
  const QSize voluta = sotto->size().expandedTo(minimumSizeHint() + sotto->size() - size());
  if (voluta != sotto->size()) sotto->resize(voluta);
  layout()->activate();
  mInCorso = false;
}

void TelaioStatistiche::applica(Disposizione d) {
  if (d == mDisposizione) return;
  mDisposizione = d;
  QBoxLayout* posto = PostoDettaglio();
  for (QBoxLayout* l : {mComandi, posto, mLista}) l->removeWidget(Frame5);
  mComandi->removeItem(mRisultati);
  mFinestra->removeItem(mRisultati);
  mRisultati->setParent(nullptr);
  const bool accanto = d != Disposizione::Stretta, media = d == Disposizione::Media;
  if (d == Disposizione::Larga)
    posto->addWidget(Frame5, 0, Qt::AlignTop);
  else if (media)
    mLista->insertWidget(0, Frame5);
  else
    mComandi->addWidget(Frame5);
  if (accanto)
    mComandi->addLayout(mRisultati, 1);
  else
    mFinestra->insertLayout(mFinestra->indexOf(StBar), mRisultati, 1);
  // In the middle one the buttons stand in a row under the options, the
  // column's stretch below them.
  if (media != (mOpzioni->indexOf(Frame1) >= 0)) {
    QBoxLayout* da = media ? mComandi : mOpzioni;
    da->removeWidget(Frame1);
    da->removeItem(mPulsanti);
    mPulsanti->setParent(nullptr);
    mPulsanti->setDirection(media ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // Its own stretch after the buttons takes the room along the new direction.
    const auto lungo = QSizePolicy::Expanding, corto = QSizePolicy::Minimum;
    mPulsanti->itemAt(mPulsanti->count() - 1)
        ->spacerItem()
        ->changeSize(0, 0, media ? lungo : corto, media ? corto : lungo);
    if (media) {
      mOpzioni->addWidget(Frame1);
      mOpzioni->addLayout(mPulsanti);
      mOpzioni->addStretch(1);
    } else {
      delete mOpzioni->takeAt(0);
      mComandi->insertWidget(1, Frame1);
      mComandi->insertLayout(2, mPulsanti);
    }
  }
  // Beside the results the options keep their height, which the row exceeds.
  mComandi->setAlignment(Frame1, d == Disposizione::Larga ? Qt::AlignTop : Qt::Alignment());
  mFinestra->setStretchFactor(mComandi, accanto ? 1 : 0);
}

void TelaioStatistiche::Cmd_Click(int Index) {
  switch (Index) {
    case 0:
      Avvia();
      break;
    case 1:
      ui::Finestre::Chiudi(this);
      break;
    case 2:
      stampa();
      break;
    case 3:
      salva();
      break;
    default:
      break;
  }
}

bool TelaioStatistiche::Controlla_Opzioni() {
  RuoteSpuntate = 0;
  for (const auto& [i, c] : CheckESTR)
    if (c->isChecked()) ++RuoteSpuntate;
  std::vector<std::string> errori;
  if (RuoteSpuntate == 0) errori.emplace_back(Statistiche::kSelezionaRuota);
  for (std::string& m : ControlliAggiuntivi()) errori.push_back(std::move(m));
  if (errori.empty()) return true;
  QString testo;
  for (const std::string& m : errori) testo += ui::Q(m) + QLatin1Char('\n');
  ui::Msg(this, testo, ui::Icona::Critica, ui::Pulsanti::Ok, ui::Q(Statistiche::kTitoloErrori));
  return false;
}

void TelaioStatistiche::CheckESTR_Click(int Index) {
  if (Index != 11) return;
  const bool tutte = CheckESTR[11]->isChecked();
  for (int w = 1; w <= 10; ++w) CheckESTR[w]->setChecked(tutte);
}

Statistiche::Ruote TelaioStatistiche::RuoteScelte() const {
  Statistiche::Ruote r{};
  for (int w = 1; w <= 10; ++w) r[w] = CheckESTR.at(w)->isChecked();
  return r;
}

void TelaioStatistiche::SvuotaRisultati() {
  Frame5->hide();
  Modello(mEventi)->imposta({}, {});
  mRapporto.clear();
  Text1->clear();
  Cmd[2]->setEnabled(false);
  Cmd[3]->setEnabled(false);
}

void TelaioStatistiche::CopiaRange() {
  EstrInizio = mStato.EstrInizio;
  EstrFine = mStato.EstrFine;
  Mostra_Periodo();
}

void TelaioStatistiche::Elabora() {
  if (!Controlla_Opzioni()) return;
  bool eventi = false;
  {
    ui::Clessidra clessidra;
    PrimaDellaCorsa();
    SvuotaRisultati();
    Text1->repaint();
    // The window repaints once; a click cannot start a second run meanwhile.
    Cmd[0]->setEnabled(false);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Statistiche::Elaborazione esito = Calcola();
    Cmd[0]->setEnabled(true);
    Segni = std::move(esito.segni);
    const auto& lista = esito.corsa.eventi();
    eventi = !lista.empty();
    if (eventi) {
      QStringList righe;
      std::vector<int> estrazioni;
      righe.reserve(static_cast<qsizetype>(lista.size()));
      estrazioni.reserve(lista.size());
      for (const Statistiche::Evento& e : lista) {
        righe << ui::Q(Statistiche::RigaEvento(mStato.ArchivioEstrazioni, e));
        estrazioni.push_back(e.estrazione);
      }
      Modello(mEventi)->imposta(std::move(righe), std::move(estrazioni));
      mRapporto = std::move(esito.rapporto);
      Text1->setRighe(mRapporto);
      ListRit->setCurrentIndex(mEventi->index(0, 0));
      Cmd[2]->setEnabled(true);
      Cmd[3]->setEnabled(true);
    }
  }
  if (!eventi) ui::Msg(this, ui::Q(Statistiche::kNessunRisultato), ui::Icona::Esclamativa);
}

int TelaioStatistiche::ListRitCount() const { return mEventi->rowCount(); }
QString TelaioStatistiche::ListRitTesto(int i) const { return Modello(mEventi)->riga(i); }
int TelaioStatistiche::ListRitItemData(int i) const { return Modello(mEventi)->estrazione(i); }

void TelaioStatistiche::ListRit_Click() {
  const int d = ListRitItemData(ListRit->currentIndex().row());
  if (d < 1) return;
  Frame5->show();
  Mostra_Dettaglio_Estrazione(d);
}

void TelaioStatistiche::Mostra_Dettaglio_Estrazione(int d) {
  const Statistiche::Dettaglio det =
      Statistiche::Mostra_Dettaglio_Estrazione(mStato.ArchivioEstrazioni, Segni, d, Evidenza());
  for (int i = 1; i <= 50; ++i) {
    QLabel* l = NUM[i];
    l->setText(ui::Q(det.cella[i].testo));
    QPalette p = l->palette();
    p.setColor(QPalette::Window, ui::Colore(det.cella[i].sfondo));
    p.setColor(QPalette::WindowText, ui::Colore(det.cella[i].inchiostro));
    l->setPalette(p);
  }
  Frame5->setTitle(ui::Q(det.titolo));
}

void TelaioStatistiche::Mostra_Periodo() {
  Panel1->setText(ui::Q(Inizio::Descrivi_Periodo(mStato.ArchivioEstrazioni, EstrInizio, EstrFine)));
}

void TelaioStatistiche::stampa() {
  // The printer is checked first, also with nothing to print.
  if (mRapporto.empty() && ui::servizi().stampante->installata()) return;
  QStringList righe{Intestazione(), QString()};
  for (const std::string& r : mRapporto) righe << ui::Q(r);
  ui::StampaRighe(this, righe);
}

void TelaioStatistiche::salva() {
  if (mRapporto.empty()) return;
  ui::DialogoFile d;
  d.filtro = QStringLiteral("File di testo (*.txt)|*.txt");
  d.estensione = QStringLiteral(".txt");
  d.nome = NomeFile() + d.estensione;
  std::vector<std::string> righe;
  if (FileConIntestazione()) righe = {ui::S(Intestazione()), std::string()};
  righe.insert(righe.end(), mRapporto.begin(), mRapporto.end());
  ui::SalvaRighe(this, d, righe);
}
