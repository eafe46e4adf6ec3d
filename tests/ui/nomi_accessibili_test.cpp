#include "ui/NomiAccessibili.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString Nome(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

}  // namespace

TEST(AccessibleNames, CaptionsLoseTheirMnemonicMarksOnly) {
  const std::pair<const char*, const char*> casi[] = {
      {"&Salva", "Salva"}, {"S&alva Output", "Salva Output"}, {"&Aggiungi al &Gruppo", "Aggiungi al Gruppo"},
      {"Rit && Pre", "Rit & Pre"}, {"Fine&", "Fine"}, {"", ""}};
  for (auto [caption, atteso] : casi) EXPECT_EQ(ui::SenzaTasti(QString::fromUtf8(caption)), QString::fromUtf8(atteso)) << caption;
}

TEST(AccessibleNames, TheWalkerNamesFromLabelCaptionOrTooltipAndKeepsWhatIsThere) {
  QWidget finestra;
  auto* colonna = new QVBoxLayout(&finestra);
  auto* esterna = new QGroupBox(QStringLiteral("&Esterna"));
  auto* interna = new QGroupBox(QStringLiteral("Interna"));
  auto* campo = new QLineEdit;  // inside a frame: Qt alone would read the frame's title
  auto* etichetta = new QLabel(QStringLiteral("&Numero"));
  etichetta->setBuddy(campo);
  auto* lista = new QListWidget;
  auto* titoloLista = new QLabel(QStringLiteral("Formazioni"));
  titoloLista->setBuddy(lista);
  auto* doppio = new QPushButton(QStringLiteral("&Aggiungi al &Gruppo"));
  auto* semplice = new QPushButton(QStringLiteral("&Esci"));
  auto* freccia = new QToolButton;
  freccia->setToolTip(QStringLiteral("Cadenze (Rit & Pre)"));
  auto* amano = new QLineEdit;
  amano->setAccessibleName(QStringLiteral("BARI 1°"));
  auto* dentro = new QVBoxLayout(interna);
  for (QWidget* w : std::initializer_list<QWidget*>{etichetta, campo, amano}) dentro->addWidget(w);
  (new QVBoxLayout(esterna))->addWidget(interna);
  for (QWidget* w : std::initializer_list<QWidget*>{esterna, titoloLista, lista, doppio, semplice, freccia})
    colonna->addWidget(w);

  ui::DaiNomi(&finestra);

  const std::pair<QWidget*, const char*> attesi[] = {
      {esterna, "Esterna"}, {interna, "Interna"}, {campo, "Numero"}, {lista, "Formazioni"},
      {doppio, "Aggiungi al Gruppo"}, {semplice, "Esci"}, {freccia, "Cadenze (Rit & Pre)"}, {amano, "BARI 1°"}};
  for (auto [w, nome] : attesi) EXPECT_EQ(Nome(w), QString::fromUtf8(nome)) << nome;
  // A caption Qt reads by itself stays Qt's, so a new caption is read too.
  EXPECT_TRUE(semplice->accessibleName().isEmpty());
  semplice->setText(QStringLiteral("&Chiudi"));
  EXPECT_EQ(Nome(semplice), QStringLiteral("Chiudi"));
}
