#include "stats/StatGRit.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "finestra_statistica.h"
#include "ui/Colori.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"
#include "ui/PannelloTesto.h"

namespace gr = GruppiRitardo;

namespace {

constexpr int kUltima = 60;

struct Finestra : prova::FinestraStatistica<StatGRit> {
  Finestra() : FinestraStatistica(prova::Sintetiche(kUltima), &MDIForm1::MnuRscStat_Click) {}
  // The group cells as the grid shows them.
  gr::Gruppi griglia() const {
    gr::Gruppi g{};
    for (int gruppo = 1; gruppo <= gr::kGruppi; ++gruppo)
      for (int w = 1; w <= 10; ++w)
        for (int j = 1; j <= gr::kNumeriGruppo; ++j)
          g[gruppo][w][j] = static_cast<std::uint8_t>(s->ana->textMatrix(gruppo + 1, 6 * (w - 1) + j).toInt());
    return g;
  }
  gr::Gruppi attesi(int r) const {
    return gr::Calcola_Situazione(p.stato.ArchivioEstrazioni, p.stato.TabelleRSC, r).gruppi;
  }
};

QRect Posto(const QWidget* w, const QWidget& finestra) {
  return {w->mapTo(&finestra, QPoint(0, 0)), w->size()};
}

// The arrangement shown, read from where the controls stand.
std::string Disposizione(const StatGRit& s) {
  const QRect dettaglio = Posto(s.Frame5, s), rapporto = Posto(s.Text1, s),
              opzioni = Posto(s.Frame1, s);
  if (dettaglio.top() < Posto(s.ana, s).bottom()) return "larga";  // beside the grid
  if (rapporto.top() == opzioni.top() && dettaglio.bottom() < Posto(s.ListRit, s).top())
    return "media";
  return rapporto.top() > opzioni.bottom() ? "stretta" : "?";
}

// The shown controls that lie, whole or in part, outside the window, and the
// window itself where it is smaller than its controls need (they overlap).
std::string Fuori(const QWidget& finestra) {
  QStringList out;
  for (QWidget* w : finestra.findChildren<QWidget*>())
    if (!w->isWindow() && w->isVisibleTo(&finestra) &&
        !finestra.rect().contains(Posto(w, finestra)))
      out << w->objectName();
  if (finestra.size().expandedTo(finestra.layout()->minimumSize()) != finestra.size())
    out << finestra.objectName();
  return out.join(QLatin1Char(' ')).toStdString();
}

}  // namespace

TEST(StatGRit, OpensOnTheLastDrawWithTheGroupsOfEveryWheel) {
  Finestra f;
  ASSERT_NE(f.s, nullptr);
  StatGRit& s = *f.s;
  EXPECT_EQ(s.windowTitle(), QStringLiteral("RSC (Ritardi Statistico-Cabalistici) - Statistiche Gruppi Ritardo"));
  EXPECT_EQ(s.EstrRiferimento, kUltima);
  EXPECT_EQ(s.LbData->text(), QStringLiteral("21.2.1998"));
  EXPECT_EQ(s.TxtEstr[1]->text(), QStringLiteral("60"));
  EXPECT_EQ(s.Panel1->text(),
            QStringLiteral("Inizio : 1 (4.1.1997)     Fine : 60 (21.2.1998)     N.Estrazioni : 60"));
  EXPECT_TRUE(s.CheckTutte->isChecked());
  for (int i = 0; i <= 1; ++i) {
    EXPECT_FALSE(s.OptEstr[i]->isChecked());
    EXPECT_FALSE(s.OptEstr[i]->isEnabled());
    EXPECT_FALSE(s.TxtEstr[i]->isEnabled());
    EXPECT_FALSE(s.TxtData[i]->isEnabled());
  }
  EXPECT_TRUE(s.OptSorte[1]->isChecked());
  EXPECT_EQ(s.ComboRit->currentText(), QStringLiteral("  1 - 6"));

  // The grid: wheel names over six columns, the places, the ranks, the groups.
  EXPECT_EQ(s.ana->rows(), 17);
  EXPECT_TRUE(s.ana->mergeRow(0));
  EXPECT_EQ(s.ana->textMatrix(0, 12), QStringLiteral("CAGLIARI"));
  EXPECT_EQ(s.ana->textMatrix(1, 60), QStringLiteral("6"));
  EXPECT_EQ(s.ana->textMatrix(16, 0), QStringLiteral("85  -  90"));
  EXPECT_EQ(s.ana->cellBackColor(2, 1), ui::Colore(0xFFFF80));
  EXPECT_EQ(s.ana->cellBackColor(16, 12), ui::Colore(0x80FFFF));
  EXPECT_EQ(f.griglia(), f.attesi(kUltima));
}

TEST(StatGRit, StepsTheReferenceDrawAndClearsTheResults) {
  Finestra f;
  StatGRit& s = *f.s;
  s.CheckESTR[11]->click();
  s.Cmd[0]->click();
  ASSERT_GT(s.ListRitCount(), 0);
  const auto gruppi = f.griglia();

  s.CmdEst[2]->click();  // "ULTIMA" at the last draw: nothing at all
  EXPECT_GT(s.ListRitCount(), 0);
  s.CmdEst[1]->click();
  EXPECT_EQ(f.messaggi(), QStringList{QStringLiteral("SEI ARRIVATO AL CAPOLINEA !!!")});
  EXPECT_GT(s.ListRitCount(), 0);

  s.CmdEst[0]->click();
  EXPECT_EQ(s.EstrRiferimento, kUltima - 1);
  EXPECT_EQ(f.griglia(), f.attesi(kUltima - 1));
  EXPECT_EQ(s.ListRitCount(), 0);
  EXPECT_TRUE(s.Frame5->isHidden());
  EXPECT_EQ(s.Panel1->text(),
            QStringLiteral("Inizio : 1 (4.1.1997)     Fine : 59 (14.2.1998)     N.Estrazioni : 59"));
  s.CmdEst[1]->click();
  EXPECT_EQ(f.griglia(), gruppi);
  s.CmdEst[0]->click();
  s.CmdEst[0]->click();
  s.CmdEst[2]->click();
  EXPECT_EQ(s.EstrRiferimento, kUltima);
  EXPECT_EQ(f.griglia(), gruppi);
  EXPECT_EQ(s.TxtEstr[1]->text(), QStringLiteral("60"));  // the boxes stay

  // At draw 1 the step back stops.
  while (s.EstrRiferimento > 1) s.CmdEst[0]->click();
  s.CmdEst[0]->click();
  EXPECT_EQ(f.messaggi().size(), 2);
  EXPECT_EQ(s.EstrRiferimento, 1);
}

TEST(StatGRit, PeriodOptionsSetTheStartDraw) {
  Finestra f;
  StatGRit& s = *f.s;
  s.CheckESTR[11]->click();
  s.CheckTutte->click();
  EXPECT_TRUE(s.OptEstr[0]->isEnabled());
  EXPECT_FALSE(s.TxtEstr[0]->isEnabled());
  s.OptEstr[0]->click();
  EXPECT_TRUE(s.TxtEstr[0]->isEnabled());
  EXPECT_FALSE(s.TxtData[0]->isEnabled());

  // A start above the end draw: 0 while the text stays; the run refuses it.
  s.TxtEstr[0]->setText(QStringLiteral("61"));
  EXPECT_EQ(s.EstrInizio, 0);
  EXPECT_EQ(s.Panel1->text(),
            QStringLiteral("Inizio : 0 ()     Fine : 60 (21.2.1998)     N.Estrazioni : 61"));
  s.Cmd[0]->click();
  const QString oltre = QStringLiteral("NUMERO ESTRAZIONE PARTENZA > NUMERO ESTRAZIONE FINE !\n");
  ASSERT_EQ(f.p.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_EQ(f.p.servizi.dialoghi.messaggi[0].testo, oltre);
  EXPECT_EQ(f.p.servizi.dialoghi.messaggi[0].titolo, QStringLiteral("ATTENZIONE - ERRORI NELLE OPZIONI !!!"));
  s.TxtEstr[0]->setText(QStringLiteral("0"));
  s.CheckESTR[11]->click();  // no wheel: both messages in one box
  s.Cmd[0]->click();
  EXPECT_EQ(f.messaggi().back(), QStringLiteral("SELEZIONARE ALMENO UNA RUOTA !\n"
                                                "NUMERO ESTRAZIONE PARTENZA NON PUO' ESSERE ZERO !\n"));
  s.CheckESTR[11]->click();
  s.TxtEstr[0]->setText(QStringLiteral("20"));
  s.Cmd[0]->click();
  EXPECT_EQ(f.messaggi().size(), 2);
  EXPECT_EQ(s.EstrInizio, 20);
  ASSERT_FALSE(s.Rapporto().empty());
  EXPECT_EQ(s.Rapporto()[0], "Estrazione iniziale.: 17.05.1997");
  EXPECT_EQ(s.Rapporto()[1], "Estrazione finale...: 21.02.1998");

  // By date: the first draw on or after it.
  s.OptEstr[1]->click();
  EXPECT_TRUE(s.TxtData[0]->isEnabled());
  EXPECT_FALSE(s.TxtEstr[0]->isEnabled());
  EXPECT_EQ(s.EstrInizio, 0);
  s.TxtData[0]->setText(QStringLiteral("01.06.1997"));
  EXPECT_EQ(s.EstrInizio, 23);  // Saturday 7 June 1997
  s.TxtData[0]->setText(QStringLiteral("01.06.199"));
  s.Cmd[0]->click();
  EXPECT_EQ(f.messaggi().back(), QStringLiteral("FORMATO DATA NON VALIDO ( usare 10 crt es: 04.12.1999 ) !\n"));
  s.TxtData[0]->setText(QStringLiteral("01.03.1998"));  // after the reference draw
  s.Cmd[0]->click();
  EXPECT_EQ(f.messaggi().back(), QStringLiteral("DATA NON VALIDA !\n"));
  s.TxtData[0]->setText(QStringLiteral("31.04.1997"));
  s.Cmd[0]->click();
  EXPECT_EQ(f.messaggi().back(), QStringLiteral("DATA NON VALIDA !\n"));

  // "Tutte" again: from draw 1, whatever the boxes hold.
  s.CheckTutte->click();
  EXPECT_FALSE(s.OptEstr[1]->isChecked());
  s.Cmd[0]->click();
  EXPECT_EQ(s.EstrInizio, 1);
  EXPECT_EQ(s.Rapporto()[0], "Estrazione iniziale.: 04.01.1997");
}

TEST(StatGRit, RunReportsTheChosenGroupAndSorte) {
  Finestra f;
  StatGRit& s = *f.s;
  s.CheckESTR[11]->click();
  s.ComboRit->setCurrentIndex(2);
  EXPECT_EQ(s.GruppoScelto, 3);
  s.OptSorte[0]->click();
  s.Cmd[0]->click();
  gr::Opzioni o;
  o.gruppo = 3;
  o.sorte = 1;
  for (int w = 1; w <= 10; ++w) o.ruote[w] = true;
  o.inizio = 1;
  o.riferimento = kUltima;
  o.voceGruppo = "13 - 18";
  const auto atteso = gr::Statistica_Gruppo(f.p.stato.ArchivioEstrazioni, f.attesi(kUltima), o);
  ASSERT_FALSE(atteso.rapporto.empty());
  EXPECT_EQ(s.Rapporto(), atteso.rapporto);
  ASSERT_EQ(s.ListRitCount(), static_cast<int>(atteso.corsa.eventi().size()));
  EXPECT_EQ(s.Segni, atteso.segni);

  // The detail of the first event: the group's numbers on yellow.
  const int d = s.ListRitItemData(0);
  for (int i = 1; i <= 50; ++i)
    EXPECT_EQ(f.sfondo(i), ui::Colore(atteso.segni(d, (i - 1) / 5 + 1, (i - 1) % 5 + 1) ? 0xFFFF : 0xFFFFFF));

  // Changing the group afterwards leaves the results as they are.
  s.ComboRit->setCurrentIndex(5);
  EXPECT_EQ(s.Rapporto(), atteso.rapporto);
  s.Cmd[2]->click();
  ASSERT_EQ(f.p.servizi.stampante.documenti.size(), 1u);
  EXPECT_EQ(f.p.servizi.stampante.documenti[0].righe[0], QStringLiteral("RSC  -  Ritardi Statistico-Cabalistici"));
}

// The window lays itself out by its own width, whatever the host's: the
// widest arrangement that fits, again at every change of its width, and it
// may be made narrower than the one it shows.
TEST(StatGRit, ArrangementFollowsTheWindowsOwnWidth) {
  Finestra f;
  StatGRit& s = *f.s;
  s.CheckESTR[11]->click();
  s.Cmd[0]->click();  // the detail panel shown
  ASSERT_TRUE(s.Frame5->isVisible());
  auto* c = qobject_cast<QMdiSubWindow*>(s.parentWidget());
  const int cornice = c->width() - s.width();
  auto larghezza = [&](int w) {
    c->resize(w + cornice, c->height());
    QCoreApplication::processEvents();
  };
  EXPECT_EQ(Disposizione(s), "stretta");  // the 1200-pixel host
  larghezza(1700);
  EXPECT_EQ(Disposizione(s), "larga");
  EXPECT_LT(c->minimumSizeHint().width(), s.layout()->minimumSize().width());
  // As low as it may be so: the narrower arrangements are taller.
  c->resize(c->width(), s.layout()->minimumSize().height() + c->height() - s.height());
  std::string prima = "larga";
  for (std::string attesa : {"media", "stretta"}) {
    const int soglia = s.layout()->minimumSize().width();  // the least of the one shown
    larghezza(soglia);
    EXPECT_EQ(Disposizione(s), prima);
    larghezza(soglia - 1);
    EXPECT_EQ(Disposizione(s), attesa);
    EXPECT_EQ(Fuori(s), "");
    prima = attesa;
  }
  larghezza(1700);
  EXPECT_EQ(Disposizione(s), "larga");

  // Maximised, it has the host's room, down to the least its controls need.
  c->showMaximized();
  for (auto [principale, attesa] :
       {std::pair{QSize(900, 500), "stretta"}, std::pair{QSize(1800, 900), "larga"}}) {
    f.m.resize(principale);
    QCoreApplication::processEvents();
    EXPECT_EQ(Disposizione(s), attesa);
    EXPECT_EQ(Fuori(s), "");
    EXPECT_EQ(c->size(), f.m.area()->viewport()->size().expandedTo(c->minimumSizeHint()));
  }
}
