// What a screen reader and the keyboard meet: every control of the main
// window, of each tool window and of each dialog has a name, and Tab reaches
// the scroll bars that choose a value, whose keys then run their handlers.
#include "app/MDIForm1.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/frmAbout.h"
#include "archive/Archivioesteso.h"
#include "archive/Form4.h"
#include "archive/grigliaciclometrica.h"
#include "boards/CDF.h"
#include "boards/TelaioTabellone.h"
#include "archive/Extrazioni.h"
#include "forecast/Spia.h"
#include "methods/correggimetodo.h"
#include "methods/griglia.h"
#include "support/programma_di_prova.h"
#include "ui/Finestre.h"
#include "ui/NomiAccessibili.h"

namespace {

bool Operabile(QAccessible::Role r) {
  switch (r) {
    case QAccessible::PushButton: case QAccessible::CheckBox: case QAccessible::RadioButton:
    case QAccessible::ComboBox: case QAccessible::EditableText: case QAccessible::SpinBox:
    case QAccessible::ScrollBar: case QAccessible::Slider: case QAccessible::Table:
    case QAccessible::List: case QAccessible::Tree: case QAccessible::PageTabList:
    case QAccessible::ButtonMenu: case QAccessible::ButtonDropDown: case QAccessible::Dial:
      return true;
    default:
      return false;
  }
}

QString Descrizione(QObject* o, const QString& nome) {
  return QStringLiteral("%1 %2 \"%3\"").arg(QString::fromLatin1(o->metaObject()->className()),
                                             o->objectName(), nome);
}

QString Nome(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

// Collects the faults under `i`: a control without a name or with a mnemonic
// "&" left in it, a titled frame not read by its own title, and the controls
// of a frame that are all read by the frame's title. Panels the window shows
// later count too; a control hidden for good, and a pane's own scroll bars,
// do not.
void Controlla(QAccessibleInterface* i, QStringList& difetti, QHash<QGroupBox*, QStringList>& comeLaCornice) {
  auto* w = qobject_cast<QWidget*>(i->object());
  if (!w) return;
  if (w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->isHidden()) return;
  if (w->parentWidget() && w->parentWidget()->objectName().startsWith(QLatin1String("qt_scrollarea_"))) return;
  const QAccessible::Role ruolo = i->role();
  const QString nome = i->text(QAccessible::Name).trimmed();
  if (Operabile(ruolo) || (w->focusPolicy() & Qt::TabFocus)) {
    static const QRegularExpression mnemonico(QStringLiteral("&[^&\\s]"));
    if (nome.isEmpty() || nome.contains(mnemonico)) difetti << Descrizione(w, nome);
    auto* cornice = qobject_cast<QGroupBox*>(w->parentWidget());
    if (cornice && !cornice->title().isEmpty() && nome == ui::SenzaTasti(cornice->title()))
      comeLaCornice[cornice] << Descrizione(w, nome);
  }
  if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty() && nome != ui::SenzaTasti(g->title()))
    difetti << Descrizione(w, nome);
  if (ruolo == QAccessible::Table || ruolo == QAccessible::List || ruolo == QAccessible::ComboBox) return;
  for (int c = 0; c < i->childCount(); ++c)
    if (QAccessibleInterface* figlio = i->child(c)) Controlla(figlio, difetti, comeLaCornice);
}

// One line per fault; empty when the window has none.
std::string DifettiDeiNomi(QWidget* finestra) {
  QStringList difetti;
  QHash<QGroupBox*, QStringList> comeLaCornice;
  Controlla(QAccessible::queryAccessibleInterface(finestra), difetti, comeLaCornice);
  for (const QStringList& uguali : comeLaCornice)
    if (uguali.size() > 1) difetti << uguali;
  return difetti.join(QLatin1Char('\n')).toStdString();
}

const char* const kStrumenti[] = {"MnuEstGest",    "MnuEstTabAna",   "MnuRscTab1",     "MnuRscTab2",
                                  "MnuRscStat",    "MnuEstTabRuo",   "MnuEstCDF",      "MnuStatAnaNum",
                                  "MnuStatLaData", "MnuStatTab",     "MnuPrevAAM",     "MnuPrevSpia",
                                  "mnuPrevMetodiT", "mnuPrevMetodiD", "mnuPrevMetodiS"};

// Presses Tab from the focused control until `bersaglio` has the focus, at
// most once around the whole window.
bool TabFinoA(QWidget* bersaglio) {
  for (int i = 0; i < 400 && QApplication::focusWidget() != bersaglio; ++i)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  return QApplication::focusWidget() == bersaglio;
}

}  // namespace

TEST(ScreenReaderNames, EveryControlOfEveryWindowHasANameWithoutMnemonic) {
  prova::ProgrammaDiProva p(prova::DieciEstrazioni());
  MDIForm1& m = p.principale();
  EXPECT_EQ(DifettiDeiNomi(&m), "");
  for (QAction* a : m.Toolbar1->actions())
    if (!a->toolTip().isEmpty() && m.Toolbar1->widgetForAction(a))
      EXPECT_EQ(Nome(m.Toolbar1->widgetForAction(a)), a->toolTip()) << a->objectName().toStdString();
  EXPECT_EQ(Nome(m.PicHelp), QStringLiteral("Guida di Tarvolane"));
  for (const char* voce : kStrumenti) {
    m.voce(QString::fromLatin1(voce))->trigger();
    QWidget* w = m.finestre().attiva();
    ASSERT_NE(w, nullptr) << voce;
    EXPECT_EQ(DifettiDeiNomi(w), "") << voce;
    m.finestre().chiudiTutteTranne(nullptr);
    QTest::qWait(1);
  }
  const std::function<std::unique_ptr<QDialog>()> dialoghi[] = {
      [&] { return std::make_unique<Form4>(p.stato); },
      [&] { return std::make_unique<Archivioesteso>(p.stato); },
      [&] { return std::make_unique<grigliaciclometrica>(p.stato); },
      [&] { return std::make_unique<griglia>(p.stato); },
      [&] { return std::make_unique<correggimetodo>(p.cartella.percorso() / "riporto.txt"); },
      [&] { return std::make_unique<frmAbout>(); }};
  for (const auto& crea : dialoghi) {
    const std::unique_ptr<QDialog> d = crea();
    EXPECT_EQ(DifettiDeiNomi(d.get()), "") << d->objectName().toStdString();
  }
}

TEST(ScreenReaderNames, TheEditorsNumberBoxesAreReadByWheelAndPosition) {
  prova::ProgrammaDiProva p(prova::DieciEstrazioni());
  MDIForm1& m = p.principale();
  m.MnuEstGest_Click();
  auto* e = m.finestre().trova<Extrazioni>();
  ASSERT_NE(e, nullptr);
  const std::pair<int, const char*> caselle[] = {{1, "BARI 1°"}, {5, "BARI 5°"}, {6, "CAGLIARI 1°"}, {50, "VENEZIA 5°"}};
  for (auto [i, nome] : caselle) EXPECT_EQ(Nome(e->Est[i]), QString::fromUtf8(nome));
  EXPECT_EQ(Nome(e->TxtVai[0]), QStringLiteral("Numero"));
  EXPECT_EQ(Nome(e->TxtVai[1]), QStringLiteral("Data"));
}

// Each scroll bar that chooses a value: Tab reaches it, and its keys move it
// and run its handler as the mouse does.
TEST(KeyboardScrollBars, TabReachesThemAndTheirKeysRunTheirHandlers) {
  prova::ProgrammaDiProva p(prova::Sintetiche(60));
  MDIForm1& m = p.principale();
  m.activateWindow();
  if (!QTest::qWaitForWindowActive(&m)) GTEST_SKIP() << "no active window on this platform";
  using Lettura = std::function<QString(QWidget*)>;
  const Lettura riferimento = [](QWidget* w) {
    if (auto* c = qobject_cast<CDF*>(w)) return c->Label1->text() + QLatin1Char('=') + QString::number(c->EstrRiferimento);
    auto* t = static_cast<TelaioTabellone*>(w);
    return t->Label1->text() + QLatin1Char('=') + QString::number(t->EstrRiferimento);
  };
  struct Caso {
    const char* voce;  // nullptr: the range bar of the main window
    const char* barra;
    Qt::Key tasto;
    QString atteso;  // what the handler shows afterwards
    Lettura letto;
  };
  const Caso casi[] = {
      {"MnuPrevSpia", "UpDNum", Qt::Key_Right, "2", [](QWidget* w) { return static_cast<Spia*>(w)->LbNum->text(); }},
      {"MnuPrevSpia", "UpDNum", Qt::Key_End, "90", [](QWidget* w) { return static_cast<Spia*>(w)->LbNum->text(); }},
      {"MnuEstTabAna", "Sli", Qt::Key_Left, "59=59", riferimento},
      {"MnuRscTab1", "Sli", Qt::Key_Left, "59=59", riferimento},
      {"MnuRscTab2", "Sli", Qt::Key_Home, "1=1", riferimento},
      {"MnuEstTabRuo", "Sli", Qt::Key_Left, "59=59", riferimento},
      {"MnuEstCDF", "Sli", Qt::Key_Left, "59=59", riferimento},
      {"MnuEstGest", "Scroll", Qt::Key_Up, "59 / 60",
       [](QWidget* w) { return static_cast<Extrazioni*>(w)->LbIndice->text(); }},
      {nullptr, "SliIni", Qt::Key_Right, "2",
       [&](QWidget*) { return QString::number(p.stato.EstrInizio); }},
      {nullptr, "SliFin", Qt::Key_PageUp, "50",
       [&](QWidget*) { return QString::number(p.stato.EstrFine); }},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.barra);
    if (c.voce) m.voce(QString::fromLatin1(c.voce))->trigger();
    QWidget* w = c.voce ? m.finestre().attiva() : static_cast<QWidget*>(&m);
    ASSERT_NE(w, nullptr);
    auto* barra = w->findChild<QScrollBar*>(QString::fromLatin1(c.barra));
    ASSERT_NE(barra, nullptr);
    (c.voce ? w : m.CmbDataI)->setFocus();
    ASSERT_TRUE(TabFinoA(barra)) << (c.voce ? c.voce : "MDIForm1");
    QTest::keyClick(barra, c.tasto);
    EXPECT_EQ(c.letto(w), c.atteso) << (c.voce ? c.voce : "MDIForm1");
    m.finestre().chiudiTutteTranne(nullptr);
    m.CmdIni[0]->click();
    QTest::qWait(1);
  }
}
