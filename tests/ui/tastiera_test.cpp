#include "ui/Tastiera.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

// A group box's mnemonic gives the focus to its checked option, else to its
// first control; never to the next control of the window.
TEST(Tastiera, AGroupBoxMnemonicKeepsTheFocusInsideTheBox) {
  for (const int scelta : {-1, 1}) {
    QWidget finestra;
    auto* riquadro = new QGroupBox(QStringLiteral("&Ruote"), &finestra);
    new QPushButton(QStringLiteral("Fuori"), &finestra);  // next in the focus chain
    QRadioButton* opzioni[] = {new QRadioButton(QStringLiteral("BA"), riquadro),
                               new QRadioButton(QStringLiteral("CA"), riquadro)};
    if (scelta >= 0) opzioni[scelta]->setChecked(true);
    finestra.show();
    EXPECT_TRUE(ui::Tastiera::Attiva(&finestra, QLatin1Char('r')));
    EXPECT_EQ(finestra.focusWidget(), opzioni[std::max(scelta, 0)]) << scelta;
  }
}
