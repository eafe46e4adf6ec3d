#include "boards/ExtraRuota.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "core/file.h"
#include "core/testo.h"
#include "support/leggi_file.h"
#include "support/programma_di_prova.h"
#include "ui/Finestre.h"
#include "ui/Griglia.h"

using EstrattiRuota::kTutte;

namespace {

ExtraRuota* Apri(MDIForm1& m) {
  m.MnuEstTabRuo_Click();
  return qobject_cast<ExtraRuota*>(m.finestre().attiva());
}

// The grid's rows 1..90 as the table would write them.
std::vector<std::array<int, 5>> Righe(const ui::Griglia& g) {
  std::vector<std::array<int, 5>> out;
  for (int r = 1; r <= 90; ++r) {
    std::array<int, 5> riga{};
    for (int c = 0; c < 5; ++c) riga[c] = g.textMatrix(r, c).toInt();
    out.push_back(riga);
  }
  return out;
}

std::vector<std::array<int, 5>> Attese(const EstrattiRuota::Tabelle& t, int ruota, int colonna,
                                       bool inverso) {
  std::vector<std::array<int, 5>> out;
  const auto ordine = EstrattiRuota::Ordine(t, ruota, colonna, inverso);
  for (int i = 0; i < 90; ++i) {
    const int x = ordine[i];
    out.push_back({i + 1, x, t.RitRuota[ruota][x], t.StoRuota[ruota][x], t.PreRuota[ruota][x]});
  }
  return out;
}

bool Scelta(const std::map<int, QRadioButton*>& opzioni, int indice) {
  for (const auto& [i, b] : opzioni)
    if (b->isChecked() != (i == indice)) return false;
  return true;
}

}  // namespace

TEST(ExtraRuota, OpensOnTheDrawArchiveBariSortedOnNumberEveryTime) {
  prova::ProgrammaDiProva p(prova::Sintetiche(50));
  MDIForm1& m = p.principale();
  m.CmbDataI->setCurrentIndex(9);  // range 10..50
  ExtraRuota* e = Apri(m);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->windowTitle(), QStringLiteral("Estrazioni per Ruota"));
  EXPECT_EQ(e->ana->textMatrix(0, 0), QStringLiteral("POS"));
  EXPECT_EQ(e->ana->textMatrix(0, 4), QStringLiteral("PRE"));
  EXPECT_EQ(e->OptRuota[kTutte]->text(), QStringLiteral("TUTTE"));
  EXPECT_EQ(e->OptRuota[2]->text(), QStringLiteral("CAGLIARI"));
  auto controllaApertura = [&](ExtraRuota* f) {
    EXPECT_TRUE(Scelta(f->OptFile, 0));
    EXPECT_TRUE(Scelta(f->OptRuota, 1));
    EXPECT_TRUE(Scelta(f->OptOrdina, 1));
    EXPECT_EQ(f->Label2->text(), QStringLiteral("Ruota di BARI"));
    EXPECT_EQ(f->DaQuando, 50);
    EXPECT_EQ(f->Label1->text(), QStringLiteral("50"));
    EXPECT_EQ(f->LbData->text(), QStringLiteral("13.12.1997"));
    EXPECT_EQ(Righe(*f->ana),
              Attese(EstrattiRuota::Calcola_Storici_e_Presenze(p.stato.ArchivioEstrazioni, 10, 50),
                     1, EstrattiRuota::Numero, false));
  };
  controllaApertura(e);

  e->OptFile[2]->click();
  e->OptRuota[kTutte]->click();
  e->OptOrdina[3]->click();
  e->CmdInvert->click();
  m.Toolbar1_ButtonClick(QStringLiteral("BtnTabRuo"));
  EXPECT_EQ(m.finestre().attiva(), e);  // one instance
  EXPECT_EQ(Apri(m), e);
  EXPECT_EQ(m.finestre().aperte().size(), 1);
  qobject_cast<QMdiSubWindow*>(e->parentWidget())->close();
  QTest::qWait(1);
  ASSERT_TRUE(m.finestre().aperte().isEmpty());
  controllaApertura(Apri(m));
}

TEST(ExtraRuota, WheelSortAndSourceSwitches) {
  prova::ProgrammaDiProva p(prova::Sintetiche(60));
  MDIForm1& m = p.principale();
  ExtraRuota* e = Apri(m);
  e->CmdEst[3]->click();
  EXPECT_EQ(e->DaQuando, 1);
  e->Sli->setValue(45);
  e->CmdAggiorna->click();  // the range is unchanged: the as-of draw stays
  EXPECT_EQ(e->DaQuando, 45);
  const auto suArchivio =
      EstrattiRuota::Calcola_Storici_e_Presenze(p.stato.ArchivioEstrazioni, 1, 45);
  EXPECT_EQ(e->Tabelle.PreRuota, suArchivio.PreRuota);

  e->OptRuota[kTutte]->click();
  EXPECT_EQ(e->Label2->text(), QStringLiteral("TUTTE"));
  EXPECT_EQ(Righe(*e->ana), Attese(suArchivio, kTutte, EstrattiRuota::Numero, false));
  e->OptOrdina[EstrattiRuota::Ritardo]->click();
  EXPECT_EQ(Righe(*e->ana), Attese(suArchivio, kTutte, EstrattiRuota::Ritardo, false));
  e->CmdInvert->click();  // the smallest delays first
  const auto invertite = Righe(*e->ana);
  EXPECT_EQ(invertite, Attese(suArchivio, kTutte, EstrattiRuota::Ritardo, true));
  EXPECT_LE(invertite.front()[2], invertite.back()[2]);
  EXPECT_EQ(e->ana->col(), EstrattiRuota::Ritardo);

  e->OptRuota[4]->click();  // a wheel keeps the sort
  EXPECT_EQ(e->Label2->text(), QStringLiteral("Ruota di GENOVA"));
  EXPECT_EQ(Righe(*e->ana), Attese(suArchivio, 4, EstrattiRuota::Ritardo, true));

  // A distance archive is computed at the same as-of draw.
  e->OptFile[3]->click();
  EXPECT_EQ(e->FileScelto, 3);
  EXPECT_EQ(e->ArchivioScelto, p.stato.TabelleRSC[2]);
  EXPECT_EQ(e->DaQuando, 45);
  EXPECT_EQ(Righe(*e->ana),
            Attese(EstrattiRuota::Calcola_Storici_e_Presenze(p.stato.TabelleRSC[2], 1, 45), 4,
                   EstrattiRuota::Ritardo, true));

  // A missing file is refused and the window keeps its source.
  std::filesystem::remove(p.stato.CartellaDati / "Rsc5.dat");
  const auto prima = Righe(*e->ana);
  e->OptFile[5]->click();
  ASSERT_EQ(p.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_EQ(e->FileScelto, 3);
  EXPECT_TRUE(Scelta(e->OptFile, 3));
  EXPECT_EQ(Righe(*e->ana), prima);
  EXPECT_FALSE(std::filesystem::exists(p.stato.CartellaDati / "Rsc5.dat"));

  e->OptFile[0]->click();
  EXPECT_EQ(e->ArchivioScelto, p.stato.ArchivioEstrazioni);
  EXPECT_EQ(Righe(*e->ana), Attese(suArchivio, 4, EstrattiRuota::Ritardo, true));
}

TEST(ExtraRuota, SaveWritesTheShownTableThroughTheSaveDialog) {
  prova::ProgrammaDiProva p(prova::Sintetiche(30));
  MDIForm1& m = p.principale();
  ExtraRuota* e = Apri(m);
  e->OptFile[2]->click();
  e->OptRuota[7]->click();
  e->OptOrdina[EstrattiRuota::Presenza]->click();
  const auto percorso = p.cartella.percorso() / "uscita.txt";
  p.servizi.dialoghi.file = {QString::fromStdString(percorso.string()), QString()};
  e->CmdSalva->click();
  ASSERT_EQ(p.servizi.dialoghi.dialoghiFile.size(), 1u);
  const ui::DialogoFile& d = p.servizi.dialoghi.dialoghiFile[0];
  EXPECT_EQ(d.filtro, QStringLiteral("File di Output (*.txt)|*.txt"));
  EXPECT_EQ(d.nome, QStringLiteral("EstraRuota.txt"));
  EXPECT_EQ(d.estensione, QStringLiteral(".txt"));
  const auto letto = prova::LeggiBinario(percorso);
  ASSERT_TRUE(letto.ok());
  const std::string byte(letto->begin(), letto->end());
  EXPECT_EQ(byte, testo::CodificaRighe(EstrattiRuota::RigheFile("Tarvolane", 2, e->Tabelle, 7,
                                                                EstrattiRuota::Presenza, false)));
  EXPECT_EQ(byte.substr(0, 41), "TARVOLANE - Estrazioni per RuotaRsc 2\r\n\r\n");
  // Cancelled: nothing more happens.
  e->CmdSalva->click();
  EXPECT_TRUE(p.servizi.dialoghi.messaggi.empty());
  // A failed save reports the reason.
  p.servizi.dialoghi.file = {
      QString::fromStdString((p.cartella.percorso() / "manca" / "x.txt").string())};
  e->CmdSalva->click();
  ASSERT_EQ(p.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_FALSE(std::filesystem::exists(p.cartella.percorso() / "manca"));
}

TEST(ExtraRuota, PrintChecksThePrinterThenSendsTheSameLinesInCourier) {
  prova::ProgrammaDiProva p(prova::Sintetiche(30));
  MDIForm1& m = p.principale();
  ExtraRuota* e = Apri(m);
  p.servizi.stampante.presente = false;
  e->CmdStampa->click();
  ASSERT_EQ(p.servizi.dialoghi.messaggi.size(), 1u);
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].testo, QStringLiteral("NESSUNA STAMPANTE INSTALLATA "));
  EXPECT_EQ(p.servizi.dialoghi.messaggi[0].icona, ui::Icona::Critica);
  EXPECT_TRUE(p.servizi.stampante.documenti.empty());

  p.servizi.stampante.presente = true;
  e->CmdStampa->click();
  ASSERT_EQ(p.servizi.stampante.documenti.size(), 1u);
  const auto& doc = p.servizi.stampante.documenti[0];
  EXPECT_EQ(doc.font, QStringLiteral("Courier"));
  EXPECT_EQ(doc.punti, 10);
  EXPECT_EQ(doc.nome, QStringLiteral("Estrazioni per Ruota"));
  ASSERT_EQ(doc.righe.size(), 96);
  EXPECT_EQ(doc.righe[0], QStringLiteral("TARVOLANE - Estrazioni per Ruota"));
  EXPECT_EQ(doc.righe[2], QStringLiteral("Ruota di BARI"));
  EXPECT_EQ(doc.righe[4], QStringLiteral("  POS  NUM  RIT  STO  PRE"));
  EXPECT_TRUE(doc.righe[6].startsWith(QStringLiteral("    1    1")));
}
