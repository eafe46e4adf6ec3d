#include "methods/correggimetodo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/file.h"
#include "methods/pronostico.h"
#include "ui/Colori.h"
#include "ui/Servizi.h"
#include "ui/Testo.h"

namespace {

QComboBox* Lista(const QString& nome, const QStringList& voci, int larghezzaTwip) {
  auto* c = new QComboBox;
  c->setObjectName(nome);
  c->addItems(voci);
  c->setMaxVisibleItems(20);
  c->setFixedWidth(ui::Pixel(larghezzaTwip));
  return c;
}

}  // namespace

correggimetodo::correggimetodo(std::filesystem::path riporto, QWidget* parent)
    : QDialog(parent), mRiporto(std::move(riporto)) {
  setObjectName(QStringLiteral("correggimetodo"));
  ui::Nomina(this, QStringLiteral("Correzione manuale della riga di calcolo"));
  auto* griglia = new QGridLayout(this);
  griglia->setHorizontalSpacing(ui::Pixel(60));
  sorte = Lista(QStringLiteral("sorte"), {"M", "A", "T", "Q", "C"}, 720);
  QStringList codici;
  for (const char* c : {"1M", "2M", "3M", "4M", "5M", "6M", "7M", "8M", "9M", "UM", "TM"})
    codici << QString::fromLatin1(c);
  im = Lista(QStringLiteral("im"), codici, 840);
  campo = new QLineEdit(this);
  campo->setObjectName(QStringLiteral("campo"));
  campo->setVisible(false);
  sorte->setAccessibleName(QStringLiteral("Sorte"));
  im->setAccessibleName(QStringLiteral("Estrazione di calcolo"));
  griglia->addWidget(sorte, 0, 0);
  griglia->addWidget(im, 0, 1);

  QStringList posizioni, ruote, segni{"-", "+", ""}, fissi{""};
  for (int p = 1; p <= 5; ++p) posizioni << QString::number(p) + QStringLiteral("°");
  posizioni << QString();
  for (std::string_view r : metodi::kCodiciRuota) ruote << ui::Q(r);
  ruote << QString();
  for (int n = 0; n <= 90; ++n) fissi << QString::number(n).rightJustified(2, QLatin1Char(' '));
  for (int k = 1; k <= metodi::kRigheCorrezione; ++k) {
    estra[k] = Lista(QStringLiteral("estra%1").arg(k), posizioni, 660);
    ruota[k] = Lista(QStringLiteral("ruota%1").arg(k), ruote, 780);
    operatore[k] = Lista(QStringLiteral("operatore%1").arg(k), segni, 600);
    fisso[k] = Lista(QStringLiteral("fisso%1").arg(k), fissi, 720);
    int c = 0;
    for (QComboBox* l : {estra[k], ruota[k], operatore[k], fisso[k]}) griglia->addWidget(l, k, c++);
    // Each list is read with what it sets and its row.
    estra[k]->setAccessibleName(QStringLiteral("Estratto %1").arg(k));
    ruota[k]->setAccessibleName(QStringLiteral("Ruota %1").arg(k));
    operatore[k]->setAccessibleName(QStringLiteral("Segno %1").arg(k));
    fisso[k]->setAccessibleName(QStringLiteral("Fisso %1").arg(k));
  }
  correggi = new QPushButton(QStringLiteral("Correggi riga"));
  correggi->setObjectName(QStringLiteral("correggi"));
  griglia->addWidget(correggi, metodi::kRigheCorrezione + 1, 0, 1, 4);
  griglia->setSizeConstraint(QLayout::SetFixedSize);
  connect(correggi, &QPushButton::clicked, this, &correggimetodo::correggi_Click);
  Form_Load();
}

void correggimetodo::Mostra(QComboBox* lista, const std::string& testo) {
  const QString t = ui::Q(testo);
  if (lista->findText(t) < 0) lista->addItem(t);
  lista->setCurrentIndex(lista->findText(t));
}

void correggimetodo::Form_Load() {
  // Every row starts empty (the last item of its position, wheel and sign
  // lists, the first of its number list).
  for (int k = 1; k <= metodi::kRigheCorrezione; ++k)
    for (QComboBox* l : {estra[k], ruota[k], operatore[k], fisso[k]}) Mostra(l, {});
  const auto bytes = file::LeggiTesto(mRiporto, metodi::kMassimoByteRiporto);
  const std::string riga = bytes ? metodi::LeggiRiporto(*bytes) : std::string();
  campo->setText(ui::Q(riga));
  const auto c = bytes ? metodi::LeggiCorrezione(riga)
                       : Risultato<metodi::Correzione>(Esito::Errore(bytes.motivo()));
  if (!c) {
    ui::Msg(this, QStringLiteral("Impossibile mostrare la riga da correggere:\r\n") + ui::Q(c.motivo()),
            ui::Icona::Critica);
    return;
  }
  Mostra(sorte, c->sorte);
  Mostra(im, c->codice);
  for (int k = 1; k <= metodi::kRigheCorrezione; ++k) {
    const metodi::RigaCorrezione& r = c->righe[static_cast<std::size_t>(k - 1)];
    Mostra(estra[k], r.estratto);
    Mostra(ruota[k], r.ruota);
    Mostra(operatore[k], r.segno);
    Mostra(fisso[k], r.fisso);
    mUnite[static_cast<std::size_t>(k - 1)] = r.unita;
  }
}

metodi::Correzione correggimetodo::Righe() const {
  metodi::Correzione c;
  c.sorte = ui::S(sorte->currentText());
  c.codice = ui::S(im->currentText());
  for (int k = 1; k <= metodi::kRigheCorrezione; ++k) {
    metodi::RigaCorrezione& r = c.righe[static_cast<std::size_t>(k - 1)];
    r.estratto = ui::S(estra.at(k)->currentText());
    r.ruota = ui::S(ruota.at(k)->currentText());
    r.segno = ui::S(operatore.at(k)->currentText());
    r.fisso = ui::S(fisso.at(k)->currentText());
    r.unita = mUnite[static_cast<std::size_t>(k - 1)];
  }
  return c;
}

void correggimetodo::correggi_Click() {
  const auto corretta = metodi::ScriviCorrezione(Righe());
  if (!corretta) {
    ui::Msg(this, ui::Q(corretta.motivo()), ui::Icona::Critica);
    return;
  }
  for (const std::string& avviso : corretta->avvisi) ui::Msg(this, ui::Q(avviso), ui::Icona::Critica);
  if (const Esito scritto = file::ScriviAtomico(mRiporto, metodi::ScriviRiporto(corretta->riga),
                                                file::Collegamento::Sostituisci);
      !scritto) {
    ui::Msg(this, ui::Q(scritto.motivo()), ui::Icona::Critica);
    return;
  }
  accept();
}
