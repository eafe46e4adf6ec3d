#include "ui/Tastiera.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// F10 opens the first menu that the menu bar shows.
TEST(Tastiera, F10OpensTheFirstShownMenu) {
  QMainWindow principale;
  auto* area = new QMdiArea;
  principale.setCentralWidget(area);
  principale.menuBar()->addMenu(QStringLiteral("&Dettagli"))->menuAction()->setVisible(false);
  QMenu* primo = principale.menuBar()->addMenu(QStringLiteral("&Estrazioni"));
  primo->addAction(QStringLiteral("&Gestione"));
  principale.menuBar()->addMenu(QStringLiteral("&Finestra"));
  ui::Tastiera::Installa(area);
  principale.show();
  QWidget* fuoco = QApplication::focusWidget();
  QTest::keyClick(fuoco ? fuoco : &principale, Qt::Key_F10);
  EXPECT_EQ(QApplication::activePopupWidget(), primo);
  primo->close();
}

// A group box's mnemonic gives the focus to a control of the box (its checked
// option first), never to the next control of the window.
TEST(Tastiera, AGroupBoxMnemonicKeepsTheFocusInsideTheBox) {
  for (const int scelta : {-1, 1}) {
    SCOPED_TRACE(scelta);
    QWidget finestra;
    auto* riquadro = new QGroupBox(QStringLiteral("&Ruote"), &finestra);
    auto* fuori = new QPushButton(QStringLiteral("Fuori"), &finestra);  // next in the focus chain
    QRadioButton* opzioni[] = {new QRadioButton(QStringLiteral("BA"), riquadro),
                               new QRadioButton(QStringLiteral("CA"), riquadro)};
    if (scelta >= 0) opzioni[scelta]->setChecked(true);
    finestra.show();
    ASSERT_EQ(riquadro->nextInFocusChain(), fuori);
    EXPECT_TRUE(ui::Tastiera::Attiva(&finestra, QLatin1Char('r')));
    EXPECT_EQ(finestra.focusWidget(), opzioni[std::max(scelta, 0)]);
  }
}
