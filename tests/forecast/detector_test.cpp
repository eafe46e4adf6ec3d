#include "forecast/detector.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/file.h"
#include "core/testo.h"
#include "detector_prova.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"
#include "support/leggi_file.h"
#include "support/valore.h"

namespace {

using Detector::Richiesta;

struct Archiviato {
  explicit Archiviato(const std::vector<Estrazione>& e) : a(CostruisciArchivio(e)) {
    Inizio::Aggiorna_Indici_Archivio(a, indici);
  }
  Risultato<Detector::Rilevamento> Elabora(const Richiesta& r) const {
    return Detector::Elabora_Previsioni(a, indici, a.ultimaEstrazione(), r, "Tarvolane");
  }
  Detector::Rilevamento Rileva(const Richiesta& r) const {
    auto x = Elabora(r);
    EXPECT_TRUE(x) << x.motivo();
    return x ? *x : Detector::Rilevamento{};
  }
  Archivio a;
  Indici indici;
};

std::string Unisci(const std::vector<std::string>& righe) {
  std::string s;
  for (const auto& r : righe) s += r + "\n";
  return s;
}

const Richiesta kGennaio2000{1, 5, 1, 2000};

constexpr const char* kRapporto = R"(Tarvolane - Method Detector

Metodo x AMBATA

Prima Estrazione del Mese

5° Estratto di BARI +3 +17

Riepilogo dei 12 Mesi precedenti sulla Ruota di BARI
12 cicli positivi ( 100,0% )

Sab 02/01/1999 (37) 40.54 -> 54 al 1° colpo (Sab 09/01/1999)
Mar 02/02/1999 (80) 83.07 -> 83.07 al 1° colpo (Mar 09/02/1999)
Mar 02/03/1999 (90) 03.17 -> 17 al 1° colpo (Mar 09/03/1999)
Ven 02/04/1999 (05) 08.22 -> 08 al 1° colpo (Ven 09/04/1999)
Dom 02/05/1999 (60) 63.77 -> 77 al 1° colpo (Dom 09/05/1999)
Mer 02/06/1999 (73) 76.90 -> 76 al 2° colpo (Mer 16/06/1999)
Ven 02/07/1999 (12) 15.29 -> 29 al 1° colpo (Ven 09/07/1999)
Lun 02/08/1999 (88) 01.15 -> 01 al 1° colpo (Lun 09/08/1999)
Gio 02/09/1999 (45) 48.62 -> 62 al 1° colpo (Gio 09/09/1999)
Sab 02/10/1999 (70) 73.87 -> 73 al 1° colpo (Sab 09/10/1999)
Mar 02/11/1999 (01) 04.18 -> 18 al 1° colpo (Mar 09/11/1999)
Gio 02/12/1999 (50) 53.67 -> 53 al 1° colpo (Gio 09/12/1999)

PREVISIONI di AMBATA per il mese di GENNAIO 2000 per la Ruota di BARI
Estrazione di Calcolo : Sab 01/01/2000 ( 5° Estratto = 37 )
1° Ambata : 40 ( 37 + 3 ) 
2° Ambata : 54 ( 37 + 17 ) 

Riepilogo del Mese in corso sulla Ruota di BARI

Sab 08/01/2000 (37) 40.54 -> negativo ( 1° colpo )
Sab 15/01/2000 (37) 40.54 :-) 40 al 2° colpo  <<-------------------
Sab 22/01/2000 (37) 40.54 :-) 54 al 3° colpo  <<-------------------
Sab 29/01/2000 (37) 40.54 :-) 40 al 4° colpo  <<-------------------
---------------------------------------------------------------------------

Metodo x AMBO

Prima Estrazione del Mese

5° Estratto di BARI +3 +17 +22 +41 +58 +80

Riepilogo dei 12 Mesi precedenti sulla Ruota di BARI
11 cicli positivi ( 91,7% )

Sab 02/01/1999 (37) 40.54.59.78.05.27 -> 54.59 al 1° colpo (Sab 09/01/1999)
Mar 02/02/1999 (80) 83.07.12.31.48.70 -> 83.07.12 al 1° colpo (Mar 09/02/1999)
Mar 02/03/1999 (90) 03.17.22.41.58.80 -> 17.22 al 1° colpo (Mar 09/03/1999)
Ven 02/04/1999 (05) 08.22.27.46.63.85 -> 08.27 al 1° colpo (Ven 09/04/1999)
Dom 02/05/1999 (60) 63.77.82.11.28.50 -> 77.11 al 1° colpo (Dom 09/05/1999)
Mer 02/06/1999 (73) 76.90.05.24.41.63 -> 76.24 al 2° colpo (Mer 16/06/1999)
Ven 02/07/1999 (12) 15.29.34.53.70.02 -> 29.53 al 1° colpo (Ven 09/07/1999)
Lun 02/08/1999 (88) 01.15.20.39.56.78 -> 01.56 al 1° colpo (Lun 09/08/1999)
Gio 02/09/1999 (45) 48.62.67.86.13.35 -> 62.13 al 1° colpo (Gio 09/09/1999)
Sab 02/10/1999 (70) 73.87.02.21.38.60 -> 73.38 al 1° colpo (Sab 09/10/1999)
Mar 02/11/1999 (01) 04.18.23.42.59.81 -> 18.81 al 1° colpo (Mar 09/11/1999)
Gio 02/12/1999 (50) 53.67.72.01.18.40 ->  ***  NEGATIVO  ***

PREVISIONI di AMBO per il mese di GENNAIO 2000 per la Ruota di BARI
Estrazione di Calcolo : Sab 01/01/2000 ( 5° Estratto = 37 )
1° Numero : 40 ( 37 + 3 ) 
2° Numero : 54 ( 37 + 17 ) 
3° Numero : 59 ( 37 + 22 ) 
4° Numero : 78 ( 37 + 41 ) 
5° Numero :  5 ( 37 + 58 ) 
6° Numero : 27 ( 37 + 80 ) 

SESTINA x AMBO : 40.54.59.78.5.27

Riepilogo del Mese in corso sulla Ruota di BARI

Sab 08/01/2000 (37) 40.54.59.78.05.27 -> negativo ( 1° colpo )
Sab 15/01/2000 (37) 40.54.59.78.05.27 -> negativo ( 2° colpo )
Sab 22/01/2000 (37) 40.54.59.78.05.27 :) 54.78 al 3° colpo  <<------------
)";

}  // namespace

TEST(Detector, ReportOfBothMethodsByteForByte) {
  const auto r = Archiviato(prova::EstrazioniDetector()).Rileva(kGennaio2000);
  EXPECT_EQ(Unisci(r.rapporto), kRapporto);
  // Saved: title in capitals, an empty line, the text and the line end that
  // closes it, in Windows-1252 with CR LF.
  const std::string salvato = testo::CodificaRighe(Detector::RigheOutput("Tarvolane", r.rapporto));
  const std::string fine = "al 3\260 colpo  <<------------\r\n\r\n";
  EXPECT_EQ(salvato.substr(0, 13), "TARVOLANE\r\n\r\n");
  EXPECT_EQ(salvato.substr(salvato.size() - fine.size()), fine);
}

TEST(Detector, MethodFilesByteForByte) {
  const Archiviato x(prova::EstrazioniDetector());
  const auto r = x.Rileva(kGennaio2000);
  EXPECT_EQ(
      Detector::FileMetodo(r),
      "0000010000021008000010000000000001\r\nM  1M  5\260BA+3 & 5\260BA+17\r\n"
      "A  1M  5\260BA+3 & 5\260BA+17 & 5\260BA+22 & 5\260BA+41 & 5\260BA+58 & 5\260BA+80\r\n");
  EXPECT_EQ(Detector::NomeFileMetodo(r, ".mtd"), "BA5200001.mtd");
  // December: 12 in the name, 11 in columns 1-2; the oldest month is in 1998
  // (year position 0). PALERMO has no numbers (base 0, nothing hits): the
  // additions stay 0 and every forecast is Fuori90(0) = 90.
  const auto dicembre = x.Rileva({7, 2, 12, 1999});
  EXPECT_EQ(Detector::NomeFileMetodo(dicembre, ".mdd"), "PA2199912.mdd");
  EXPECT_EQ(Detector::RigheMetodo(dicembre)[0], "1100000000021008000000000010000001");
  EXPECT_EQ(Detector::RigheMetodo(dicembre)[1], "M  1M  2°PA+0 & 2°PA+0");
  const std::string testo = Unisci(dicembre.rapporto);
  for (const char* riga : {"2° Estratto di PALERMO +0 +0\n", "0 cicli positivi ( 0,0% )\n",
                           "Sab 05/12/1998 (00) 90.90 ->  ***  NEGATIVO  ***\n",
                           "1° Ambata : 90 ( 0 + 0 ) \n", "SESTINA x AMBO : 90.90.90.90.90.90\n"})
    EXPECT_NE(testo.find(riga), std::string::npos) << riga;
}

TEST(Detector, RefusalsNameTheMonthAndBuildNothing) {
  const Archiviato x(prova::EstrazioniDetector());
  const struct {
    Richiesta richiesta;
    const char* motivo;
  } casi[] = {
      {{1, 5, 12, 1998}, "Non si possono avere previsioni per l'anno 1945"},
      {{1, 5, 11, 1999}, "Nell'archivio non ci sono estrazioni di NOVEMBRE 1998"},
      {{1, 5, 3, 2000}, "Nell'archivio non ci sono estrazioni di MARZO 2000"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.motivo);
    const auto r = x.Elabora(c.richiesta);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.motivo(), c.motivo);
  }
}

TEST(Detector, MonthTableTakesEachCalendarMonthWhole) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archiviato x(prova::Ultime(4999));
  for (int mese : {1, 6, 12}) {
    SCOPED_TRACE(mese);
    const auto p = Detector::Prepara(x.a, x.indici, x.a.ultimaEstrazione(), {3, 1, mese, 2010});
    ASSERT_TRUE(p) << p.motivo();
    for (int i = 1; i <= 12; ++i) {
      const Detector::Mese& m = p->mesi[i];
      EXPECT_EQ(m.mese, (mese + i - 2) % 12 + 1);  // row 1: the target month a year before
      EXPECT_EQ(m.anno, mese + i - 1 > 12 ? 2010 : 2009);
      EXPECT_EQ(x.a.mese(m.prima), m.mese);
      EXPECT_EQ(x.a.annoCompleto(m.ultima), m.anno);
      EXPECT_NE(x.a.mese(m.prima - 1), m.mese);
      EXPECT_EQ(m.ultima + 1, i < 12 ? p->mesi[i + 1].prima : p->calcolo);
    }
  }
  // The draws stopped from mid-March to May 2020.
  const auto r = Detector::Prepara(x.a, x.indici, x.a.ultimaEstrazione(), {1, 5, 10, 2020});
  EXPECT_EQ(r.motivo(), "Nell'archivio non ci sono estrazioni di APRILE 2020");
}

TEST(Detector, CalculationDrawAtTheArchiveEndLeavesOutTheMonthInProgress) {
  auto e = prova::EstrazioniDetector();
  e.resize(e.size() - 5);  // January 2000 keeps its first draw only
  const Archiviato x(e);
  const auto r = x.Rileva(kGennaio2000);
  const std::string testo = Unisci(r.rapporto);
  EXPECT_EQ(testo.find("Mese in corso"), std::string::npos);
  EXPECT_EQ(r.rapporto.back(), "SESTINA x AMBO : 40.54.59.78.5.27");
  EXPECT_NE(testo.find("2° Ambata : 54 ( 37 + 17 ) \n-----"), std::string::npos);
}

TEST(Detector, StagesCarryTheBestCountAndMayKeepZero) {
  // (1, 2) covers months 1-8; 22 beside them in months 1-2 gives stage 1;
  // no candidate improves stage 2, which keeps 0; month 9 pairs 0 (the
  // base itself) with 70, which stage 3 takes; stage 4 keeps 0.
  std::vector<std::vector<std::vector<int>>> addendi(12);
  addendi[0] = {{1, 22}};
  addendi[1] = {{2, 22}};
  for (int m = 3; m <= 8; ++m) addendi[m - 1] = {{m % 2 ? 1 : 2}};
  addendi[8] = {{90, 70}};
  const Archiviato x(prova::MesiDi(std::vector<int>(12, 37), addendi));
  const auto r = x.Rileva(kGennaio2000);
  EXPECT_EQ(r.sestina.addendi, (std::array<int, 6>{1, 2, 22, 0, 70, 0}));
  const std::string testo = Unisci(r.rapporto);
  for (const char* riga : {"4° Numero : 37 ( 37 + 0 ) \n", "3 cicli positivi ( 25,0% )\n",
                           "8 cicli positivi ( 66,7% )\n"})
    EXPECT_NE(testo.find(riga), std::string::npos) << riga;
}

namespace {

// A literal reading of the searches, scanning the draws for every pair and
// every candidate: the fast searches must choose the same.
int Conta(const Archivio& a, const Detector::Preparazione& p, const std::vector<int>& addendi,
          int minimo) {
  int conta = 0;
  for (int i = 1; i <= 12; ++i) {
    const int base = a(p.mesi[i].prima, p.richiesta.ruota, p.richiesta.posizione);
    std::set<int> numeri;
    for (int x : addendi) numeri.insert(Inizio::Fuori90(base + x));
    for (int d = p.mesi[i].prima + 1; d <= p.mesi[i].ultima; ++d) {
      int colpiti = 0;
      for (int pos = 1; pos <= 5; ++pos) colpiti += numeri.count(a(d, p.richiesta.ruota, pos));
      if (colpiti >= minimo) {
        ++conta;
        break;
      }
    }
  }
  return conta;
}

std::array<int, 6> Letterale(const Archivio& a, const Detector::Preparazione& p) {
  std::array<int, 6> r{};
  int migliore = 0;
  for (int x = 1; x <= 90 && migliore < 12; ++x)
    for (int y = x + 1; y <= 90; ++y) {
      const int c = Conta(a, p, {x, y}, 1);
      if (c > migliore) r[0] = x, r[1] = y, migliore = c;
      if (c == 12) break;
    }
  migliore = 0;
  for (int posto = 2; posto < 6; ++posto)
    for (int x = 1; x <= 90; ++x) {
      if (std::find(r.begin(), r.begin() + posto, x) != r.begin() + posto) continue;
      std::vector<int> s(r.begin(), r.begin() + posto);
      s.push_back(x);
      const int c = Conta(a, p, s, 2);
      if (c == 12 || c > migliore) r[posto] = x, migliore = c;
      if (c == 12) break;
    }
  return r;
}

}  // namespace

TEST(Detector, FastSearchesChooseAsTheLiteralReadingOnRealDraws) {
  RICHIEDE_ESTRAZIONI_REALI();
  const Archiviato x(prova::Ultime(4999));
  const int ultima = x.a.ultimaEstrazione();
  for (int k = 0; k < 16; ++k) {
    const Richiesta r{1 + k % 10, 1 + k % 5, 1 + (k * 7) % 12, 1988 + k * 2};
    SCOPED_TRACE(testing::Message()
                 << r.ruota << " " << r.posizione << " " << r.mese << "/" << r.anno);
    const auto p = Detector::Prepara(x.a, x.indici, ultima, r);
    ASSERT_TRUE(p) << p.motivo();
    const auto ambata = Detector::Cerca_Ambata(*p);
    const auto sestina = Detector::Cerca_Sestina(*p, ambata);
    EXPECT_EQ(sestina.addendi, Letterale(x.a, *p));
    const auto rilevato = Detector::Completa(x.a, x.indici, *p, ambata, sestina, "Tarvolane");
    EXPECT_EQ(rilevato.sestina.conta,
              Conta(x.a, *p, {sestina.addendi.begin(), sestina.addendi.end()}, 2));
  }
}

TEST(Detector, ListingKeepsEarlierMddOfTheWheelSortedByName) {
  const std::vector<std::string> nomi = {
      "BA5200503.mdd",  // the target month itself: not listed
      "BA1200412.MDD",  // any case
      "ba3200402.mdd",  // any case in the wheel code too
      "BA5200501.mtd",  // not a detector file
      "CA5200401.mdd",  // another wheel
      "BA5200413.mdd",  // no month 13
      "BA5200502.mdd",  //
      "BA2200402.mdd",  // same month, another position: listed again
      "BA52.mdd",       // too short
  };
  EXPECT_EQ(Detector::Elenca_Metodi(nomi, 1, 3, 2005),
            (std::vector<std::string>{"DICEMBRE 2004", "FEBBRAIO 2004", "FEBBRAIO 2005",
                                      "FEBBRAIO 2004"}));
  EXPECT_TRUE(Detector::Elenca_Metodi(nomi, 1, 1, 2004).empty());
}

TEST(Detector, SavingWritesDetectorFilesAgainAndRefusesCleanly) {
  prova::CartellaTemporanea dir, altra;
  const auto r = Archiviato(prova::EstrazioniDetector()).Rileva(kGennaio2000);
  // The folder is missing: it is made again; a second save replaces the file.
  for (const char* estensione : {".mdd", ".mdd", ".mtd"})
    ASSERT_TRUE(Detector::Salva_Metodo(dir.percorso(), r, estensione));
  EXPECT_EQ(prova::Testo(dir.percorso() / "Detector_Files" / "BA5200001.mtd"),
            Detector::FileMetodo(r));
  EXPECT_EQ(prova::Valore(file::ElencaFile(dir.percorso() / "Detector_Files")).size(), 2u);
  EXPECT_EQ(Detector::Elenca_Metodi(dir.percorso(), 1, 2, 2000),
            std::vector<std::string>{"GENNAIO 2000"});
  // A file stands where the folder should be: the reason, and nothing written.
  ASSERT_TRUE(file::ScriviAtomico(altra.percorso() / "Detector_Files", std::string_view("x")));
  EXPECT_FALSE(Detector::Salva_Metodo(altra.percorso(), r, ".mtd"));
  EXPECT_EQ(prova::Testo(altra.percorso() / "Detector_Files"), "x");
}
