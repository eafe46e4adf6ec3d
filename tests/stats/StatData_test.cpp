// The statistics frame seen through the day-of-draw window.
#include "stats/StatData.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>

#include "core/file.h"
#include "finestra_statistica.h"
#include "stats/statistica_data.h"
#include "support/leggi_file.h"
#include "ui/Colori.h"
#include "ui/PannelloTesto.h"

namespace {

// Events on BARI and ROMA (wheel 8): draw 1 on both, draw 3 on BARI, draw 7
// on ROMA; draw 6 has its day's number on CAGLIARI only.
std::vector<Estrazione> Otto() {
  auto e = [](Data d, std::initializer_list<int> bari, std::initializer_list<int> cagliari = {},
              std::initializer_list<int> roma = {}) {
    return prova::Fai(d, {bari, cagliari, {}, {}, {}, {}, {}, roma});
  };
  return {e({5, 1, 1999}, {5, 6, 7, 8, 9}, {}, {1, 2, 3, 4, 5}),
          e({7, 1, 1999}, {70, 71, 72, 73, 74}),
          e({9, 1, 1999}, {60, 9, 61, 62, 63}),
          e({12, 1, 1999}, {70, 71, 72, 73, 74}),
          e({14, 1, 1999}, {70, 71, 72, 73, 74}),
          e({2, 2, 1999}, {70, 71, 72, 73, 74}, {2, 3}),
          e({4, 2, 1999}, {70, 71, 72, 73, 74}, {}, {4, 40}),
          e({6, 2, 1999}, {36, 37, 38, 39, 40})};
}

struct Finestra : prova::FinestraStatistica<StatData> {
  Finestra() : FinestraStatistica(Otto(), &MDIForm1::MnuStatLaData_Click) {}
  void spunta(std::initializer_list<int> caselle) {
    for (int i : caselle) s->CheckESTR[i]->setChecked(true);
  }
};

}  // namespace

TEST(StatisticsWindow, OpensOnceAndTheAllWheelsBoxTicksTheTen) {
  Finestra f;
  ASSERT_NE(f.s, nullptr);
  EXPECT_EQ(f.s->windowTitle(), QStringLiteral("'sta Data sorte o non sorte ?"));
  EXPECT_EQ(f.s->Panel1->text(),
            QStringLiteral("Archivio : da Estr.1 - Mar  5 Gen 1999  a Estr.8 - Sab  6 Feb 1999  ( 8 Estrazioni )"));
  EXPECT_FALSE(f.s->Frame5->isVisible());
  EXPECT_FALSE(f.s->Cmd[2]->isEnabled() || f.s->Cmd[3]->isEnabled());
  f.m.Toolbar1_ButtonClick(QStringLiteral("BtnData"));
  EXPECT_EQ(f.m.finestre().attiva(), f.s);
  EXPECT_EQ(f.m.finestre().aperte().size(), 1);

  f.s->CheckESTR[11]->click();
  for (int w = 1; w <= 10; ++w) EXPECT_TRUE(f.s->CheckESTR[w]->isChecked());
  f.s->CheckESTR[3]->click();  // a wheel by hand leaves "TUTTE" as it is
  EXPECT_TRUE(f.s->CheckESTR[11]->isChecked());
  f.s->CheckESTR[11]->click();
  for (int w = 1; w <= 10; ++w) EXPECT_FALSE(f.s->CheckESTR[w]->isChecked());
}

TEST(StatisticsWindow, RunFillsTheListTheReportAndTheDetail) {
  Finestra f;
  f.spunta({1, 8});
  f.s->Cmd[0]->click();
  EXPECT_EQ(f.lista(), (QStringList{"05.01.1999 BARI 0", "05.01.1999 ROMA 0", "09.01.1999 BARI 1",
                                    "04.02.1999 ROMA 3"}));
  EXPECT_EQ(f.s->ListRitItemData(1), 1);
  EXPECT_EQ(f.s->ListRitItemData(3), 7);
  Statistiche::Ruote ruote{};
  ruote[1] = ruote[8] = true;
  const auto atteso = StatisticaData::Statistica_Data(f.p.stato.ArchivioEstrazioni, 1, 8, ruote, 2);
  EXPECT_EQ(f.s->Rapporto(), atteso.rapporto);
  QString testo;
  for (const auto& r : atteso.rapporto) testo += QString::fromStdString(r) + QLatin1Char('\n');
  EXPECT_EQ(f.s->Text1->testo(), testo);
  EXPECT_TRUE(f.s->Cmd[2]->isEnabled() && f.s->Cmd[3]->isEnabled());

  // The first event's draw is shown: 5 on BARI and ROMA yellow on red.
  EXPECT_FALSE(f.s->Frame5->isHidden());
  EXPECT_EQ(f.s->Frame5->title(), QStringLiteral("Estr. 1 - Mar  5 Gen 1999"));
  EXPECT_EQ(f.s->NUM[1]->text(), QStringLiteral("5"));
  EXPECT_EQ(f.sfondo(1), ui::Colore(0xFF));
  EXPECT_EQ(f.testo(1), ui::Colore(0xFFFF));
  EXPECT_EQ(f.sfondo(40), ui::Colore(0xFF));
  EXPECT_EQ(f.sfondo(2), ui::Colore(0xFFFFFF));
  EXPECT_EQ(f.testo(2), ui::Colore(0));
  // Another line shows its draw.
  f.s->ListRit->setCurrentIndex(f.s->ListRit->model()->index(3, 0));
  EXPECT_EQ(f.s->Frame5->title(), QStringLiteral("Estr. 7 - Gio  4 Feb 1999"));
  EXPECT_EQ(f.sfondo(36), ui::Colore(0xFF));
  // The day's number on a wheel not ticked: yellow, black text.
  f.s->Mostra_Dettaglio_Estrazione(6);
  EXPECT_EQ(f.sfondo(6), ui::Colore(0xFFFF));
  EXPECT_EQ(f.testo(6), ui::Colore(0));
}

TEST(StatisticsWindow, RefusalsAndEmptyRunsChangeNothingElse) {
  Finestra f;
  f.spunta({1, 8});
  f.s->Cmd[0]->click();
  const auto rapporto = f.s->Rapporto();
  f.s->CheckESTR[1]->setChecked(false);
  f.s->CheckESTR[8]->setChecked(false);
  f.s->Cmd[0]->click();
  ASSERT_EQ(f.p.servizi.dialoghi.messaggi.size(), 1u);
  const auto& m = f.p.servizi.dialoghi.messaggi[0];
  EXPECT_EQ(m.testo, QStringLiteral("SELEZIONARE ALMENO UNA RUOTA !\n"));
  EXPECT_EQ(m.titolo, QStringLiteral("ATTENZIONE - ERRORI NELLE OPZIONI !!!"));
  EXPECT_EQ(m.icona, ui::Icona::Critica);
  EXPECT_EQ(f.s->Rapporto(), rapporto);
  EXPECT_EQ(f.s->ListRitCount(), 4);

  // "TUTTE" with every wheel unticked by hand passes the check, finds nothing.
  f.s->CheckESTR[11]->setChecked(true);
  for (int w = 1; w <= 10; ++w) f.s->CheckESTR[w]->setChecked(false);
  f.s->Cmd[0]->click();
  ASSERT_EQ(f.p.servizi.dialoghi.messaggi.size(), 2u);
  EXPECT_EQ(f.p.servizi.dialoghi.messaggi[1].testo, QStringLiteral("NESSUN RISULTATO"));
  EXPECT_EQ(f.p.servizi.dialoghi.messaggi[1].icona, ui::Icona::Esclamativa);
  EXPECT_EQ(f.s->ListRitCount(), 0);
  EXPECT_TRUE(f.s->Text1->testo().isEmpty());
  EXPECT_TRUE(f.s->Frame5->isHidden());
  EXPECT_FALSE(f.s->Cmd[2]->isEnabled() || f.s->Cmd[3]->isEnabled());
  EXPECT_TRUE(f.s->Cmd[0]->isEnabled());
}

TEST(StatisticsWindow, TheRangeIsTakenAtEachRun) {
  Finestra f;
  f.spunta({1, 8});
  f.p.programma.impostaRange(3, 7);
  EXPECT_EQ(f.s->EstrInizio, 1);
  f.s->Cmd[0]->click();
  EXPECT_EQ(f.s->Panel1->text(),
            QStringLiteral("Archivio : da Estr.3 - Sab  9 Gen 1999  a Estr.7 - Gio  4 Feb 1999  ( 5 Estrazioni )"));
  EXPECT_EQ(f.lista(), (QStringList{"09.01.1999 BARI 0", "04.02.1999 ROMA 3"}));
}

TEST(StatisticsWindow, SaveWritesTheHeadingAndTheReportPrintChecksThePrinter) {
  Finestra f;
  f.spunta({11});
  f.s->Cmd[0]->click();
  const std::filesystem::path percorso = f.p.cartella.percorso() / "laData.txt";
  f.p.servizi.dialoghi.file.push_back(QString::fromStdString(percorso.string()));
  f.s->Cmd[3]->click();
  ASSERT_EQ(f.p.servizi.dialoghi.dialoghiFile.size(), 1u);
  const ui::DialogoFile& d = f.p.servizi.dialoghi.dialoghiFile[0];
  EXPECT_EQ(d.filtro, QStringLiteral("File di testo (*.txt)|*.txt"));
  EXPECT_EQ(d.estensione, QStringLiteral(".txt"));
  EXPECT_EQ(d.nome, QStringLiteral("laData.txt"));
  std::string atteso = "laData di Estrazione\r\n\r\n";
  for (const auto& r : f.s->Rapporto()) atteso += r + "\r\n";
  EXPECT_EQ(prova::Testo(percorso), atteso);
  EXPECT_NE(atteso.find("Distribuzione x Ruota\r\n------------------------------\r\nBARI        40%\r\n"
                        "CAGLIARI    20%\r\n"),
            std::string::npos);

  f.s->Cmd[2]->click();
  ASSERT_EQ(f.p.servizi.stampante.documenti.size(), 1u);
  const QStringList& righe = f.p.servizi.stampante.documenti[0].righe;
  EXPECT_EQ(righe.mid(0, 3), (QStringList{"laData di Estrazione", "", "Estrazione iniziale.: Mar  5 Gen 1999"}));
  EXPECT_EQ(righe.size(), static_cast<qsizetype>(f.s->Rapporto().size()) + 2);
  f.p.servizi.stampante.presente = false;
  f.s->Cmd[2]->click();
  EXPECT_EQ(f.p.servizi.dialoghi.testi(), QStringList{QStringLiteral("NESSUNA STAMPANTE INSTALLATA ")});
}
