#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <tuple>

#include "core/file.h"
#include "stats/tabella_formazioni.h"
#include "support/fuoco.h"
#include "support/programma_di_prova.h"
#include "ui/Finestre.h"

namespace {

// The controls of `finestra` (what takes the focus, and buttons) read with no
// name, with a mnemonic "&", or (fields and boxes) by their frame's title.
std::string Difetti(QWidget* finestra) {
  QStringList out;
  std::function<void(QAccessibleInterface*)> visita = [&](QAccessibleInterface* i) {
    auto* w = qobject_cast<QWidget*>(i->object());  // none for menu items
    const QString nome = i->text(QAccessible::Name);
    auto* cornice = w ? qobject_cast<QGroupBox*>(w->parentWidget()) : nullptr;
    if (w && w != finestra &&
        (w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w)) &&
        (nome.isEmpty() || nome.contains(QRegularExpression(QStringLiteral("&[^&\\s]"))) ||
         (cornice && nome == cornice->title() &&
          (i->role() == QAccessible::EditableText || i->role() == QAccessible::CheckBox))))
      out << w->objectName() + QLatin1Char('=') + nome;
    // Cells, list items and a drop-down's list belong to their control.
    if (QList{QAccessible::Table, QAccessible::List, QAccessible::ComboBox}.contains(i->role()))
      return;
    for (int c = 0; c < i->childCount(); ++c) visita(i->child(c));
  };
  visita(QAccessible::queryAccessibleInterface(finestra));
  return out.join(QLatin1Char('\n')).toStdString();
}

}  // namespace

// Every control has its name; Tab and the keys work the scroll bars that choose a value.
TEST(ScreenReaderAndKeyboard, NamedControlsAndValueScrollBars) {
  prova::ProgrammaDiProva p(prova::Sintetiche(60));
  ASSERT_TRUE(file::ScriviAtomico(p.stato.CartellaProgramma / "TabFnum.txt",
                                  formazioni::Codifica(formazioni::TabellaPredefinita())));
  MDIForm1& m = p.principale();
  EXPECT_EQ(Difetti(&m), "");
  for (const char* voce :
       {"MnuEstGest", "MnuEstTabAna", "MnuRscTab1", "MnuRscTab2", "MnuRscStat", "MnuEstTabRuo",
        "MnuEstCDF", "MnuStatAnaNum", "MnuStatLaData", "MnuStatTab", "MnuPrevAAM", "MnuPrevSpia",
        "mnuPrevMetodiT", "mnuPrevMetodiD", "mnuPrevMetodiS"}) {
    m.voce(QString::fromLatin1(voce))->trigger();
    ASSERT_NE(m.finestre().attiva(), nullptr) << voce;
    EXPECT_EQ(Difetti(m.finestre().attiva()), "") << voce;
    m.finestre().chiudiTutteTranne(nullptr);
  }
  m.activateWindow();
  if (!QTest::qWaitForWindowActive(&m)) GTEST_SKIP() << "no active window on this platform";
  // clang-format off
  const std::tuple<const char*, const char*, Qt::Key, const char*> casi[] = {
      {"MnuPrevSpia", "UpDNum", Qt::Key_Right, "2"}, {"MnuPrevSpia", "UpDNum", Qt::Key_End, "90"},
      {"MnuEstTabAna", "Sli", Qt::Key_Home, "1"}, {"MnuEstTabRuo", "Sli", Qt::Key_Left, "59"},
      {"MnuEstCDF", "Sli", Qt::Key_Left, "59"}, {"MnuEstGest", "Scroll", Qt::Key_Up, "59 / 60"},
      {nullptr, "SliIni", Qt::Key_Right, "2"}, {nullptr, "SliFin", Qt::Key_PageUp, "50"}};
  // clang-format on
  for (auto [voce, nome, tasto, mostrato] : casi) {
    if (voce) m.voce(QString::fromLatin1(voce))->trigger();
    QWidget* w = voce ? m.finestre().attiva() : m.PicLimiti;
    auto* barra = w->findChild<QScrollBar*>(QString::fromLatin1(nome));
    w->setFocus();
    for (int i = 0; i < 300 && prova::Fuoco(m) != barra; ++i)
      ASSERT_TRUE(prova::Premi(m, Qt::Key_Tab)) << nome;
    ASSERT_EQ(prova::Fuoco(m), barra) << nome;
    const QString valore = QString::fromLatin1(mostrato);
    auto mostrati = [&] {  // the labels and range bounds that read the value
      QStringList t{QString::number(p.stato.EstrInizio), QString::number(p.stato.EstrFine)};
      for (QLabel* l : w->findChildren<QLabel*>()) t << l->text().trimmed();
      return t.count(valore);
    };
    const int prima = mostrati();
    QTest::keyClick(barra, tasto);
    EXPECT_GT(mostrati(), prima) << nome;
    m.finestre().chiudiTutteTranne(nullptr);
    m.CmdIni_Click(0);
  }
}
