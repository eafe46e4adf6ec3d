#include "methods/descrizione.h"

#include <gtest/gtest.h>

#include "mondo_metodi.h"

using namespace metodi;

namespace {

// A year list running 1990 to 2010.
Indici Anni() {
  Indici i;
  for (int anno = 1990; anno <= 2010; ++anno)
    i.AnniArchivio.push_back(std::to_string(anno) + "0001");
  return i;
}

using prova::Righe;

}  // namespace

TEST(MethodSummary, WholeMethodWithItsOptions) {
  const Indici indici = Anni();
  Opzioni o;
  o.mese = {0, 11};
  o.anno = {10, 10};  // 2000
  o.fine = 0;
  o.ruote[0] = o.ruote[5] = 1;
  const std::vector<std::string> metodo{"MA  1M  1°BA+5,3°NA-12 & 2°RO+7",
                                        "MATQC  UM  5°VE-0 & 1°BA+1 & 1°BA+2 & 1°BA+3 & 1°BA+4"};
  EXPECT_EQ(Descrivi(metodo, {0, 1}, "Prova", &o, indici, Lotto()),
            Righe({"Metodo <Prova>",
                   "",
                   "Periodo Test : da GENNAIO 2000 a DICEMBRE 2000",
                   "Ruote : BA,NA",
                   "Numero Colpi di Gioco : 10 ",
                   "Interrompi alla prima Sortita",
                   "",
                   "FORMAZIONE N. 1",
                   " Estrazione di calcolo : Prima del Mese",
                   " Gioca per la Sorte di : Ambata,Ambo",
                   "  Elemento n. 1",
                   "   1° Estratto di BARI + fisso 5 + ",
                   "   3° Estratto di NAPOLI - fisso 12",
                   "  Elemento n. 2",
                   "   2° Estratto di ROMA + fisso 7",
                   "",
                   "FORMAZIONE N. 2",
                   " Estrazione di calcolo : Ultima del Mese",
                   " Gioca per la Sorte di : Ambata,Ambo,Terno,Quaterna,Cinquina",
                   "  Elemento n. 1",
                   "   5° Estratto di VENEZIA - fisso 0",
                   "  Elemento n. 2",
                   "   1° Estratto di BARI + fisso 1",
                   "  Elemento n. 3",
                   "   1° Estratto di BARI + fisso 2",
                   "  Elemento n. 4",
                   "   1° Estratto di BARI + fisso 3",
                   "  Elemento n. 5",
                   "   1° Estratto di BARI + fisso 4"}));
}

TEST(MethodSummary, OptionLinesAndSingleLines) {
  const Indici indici = Anni();
  Opzioni o;
  o.anno = {3, 20};
  o.interrompi = 0;
  o.positivi = 1;
  o.colpi = 100;
  o.ruote[10] = 1;
  o.ruote[0] = 1;
  auto testa = [&](const Opzioni& x) {
    const std::string s = Descrivi({"M  PM  1°BA+5"}, {0}, std::nullopt, &x, indici, Lotto());
    return s.substr(0, s.find("FORMAZIONE"));
  };
  EXPECT_EQ(
      testa(o),
      Righe({"Metodo <senza nome>", "", "Periodo Test : da GENNAIO 1993 Fino ad Ultima Estrazione",
             "Ruote : Tutte", "Numero Colpi di Gioco : 100", "Evidenzia solo Casi Positivi", ""}));
  o.ruote = {};
  o.ruote[9] = 1;
  o.fine = 2;
  o.cicli = 12;
  EXPECT_NE(testa(o).find("da GENNAIO 1993 per 12 Cicli\r\nRuote : VE\r\n"), std::string::npos);
  o.ruote = {};
  EXPECT_NE(testa(o).find("\r\nRuote :\r\n"), std::string::npos);

  // One line without options; the codes' words, "T" reading as an empty ordinal.
  EXPECT_EQ(Descrivi({"A  TM  1°BA+5", "M  PM  1°BA+5", "M  9M  1°BA+5"}, {2}, "Prova", nullptr,
                     indici, Lotto()),
            Righe({"Metodo <Prova>", "", "FORMAZIONE N. 3",
                   " Estrazione di calcolo : Nona del Mese", " Gioca per la Sorte di : Ambata",
                   "  Elemento n. 1", "   1° Estratto di BARI + fisso 5"}));
  for (const char* riga : {"A  TM  1°BA+5", "A  XM  1°BA+5"})
    EXPECT_NE(Descrivi({riga}, {0}, "Prova", nullptr, indici, Lotto())
                  .find(" Estrazione di calcolo :  del Mese\r\n"),
              std::string::npos)
        << riga;
  // The sign is written as it stands.
  EXPECT_NE(Descrivi({"M  1M  2°CA*7"}, {0}, "Prova", nullptr, indici, Lotto())
                .find("   2° Estratto di CAGLIARI * fisso 7\r\n"),
            std::string::npos);
  EXPECT_NE(
      Descrivi({"M  PM  1°BA+5"}, {0}, "Prova", nullptr, indici, Lotto()).find(": Prima del Mese"),
      std::string::npos);
  // A line that does not parse is shown as it is.
  EXPECT_EQ(Descrivi({"M  1M  1°XX+5"}, {0}, "Prova", nullptr, indici, Lotto()),
            Righe({"Metodo <Prova>", "", "FORMAZIONE N. 1", "M  1M  1°XX+5"}));
}

TEST(MethodSummary, TheSuperEnalottoNamesItsPoints) {
  const Indici indici = Anni();
  const std::vector<std::string> metodo{"MA  UM  1°BA+5,3°RO-12 & 2°NA+0 & 4°CA+1",
                                        "QC  TM  1°MI+1 & 1°MI+2 & 1°MI+3 & 1°MI+4 & 1°MI+5 & 1°MI+6",
                                        "T  3M  5°VE-7 & 1°TO+0 & 2°TO+0"};
  // "Dettagli Pronostico" on the third line of an unsaved method.
  EXPECT_EQ(Descrivi(metodo, {2}, std::nullopt, nullptr, indici, metodi::SuperEnalotto()),
            Righe({"Metodo <senza nome>", "", "FORMAZIONE N. 3",
                   " Estrazione di calcolo : Terza del Mese", " Gioca per la Sorte di : Cinque",
                   "  Elemento n. 1", "   5° Estratto di VENEZIA - fisso 7", "  Elemento n. 2",
                   "   1° Estratto di TORINO + fisso 0", "  Elemento n. 3",
                   "   2° Estratto di TORINO + fisso 0"}));
  // "Riepilogo Metodo" on two lines: the options once, an empty line between the lines.
  Opzioni o;
  o.anno = {20, 20};
  o.colpi = 5;
  o.ruote[0] = o.ruote[7] = 1;
  const std::string s =
      Descrivi({metodo[0], metodo[1]}, {0, 1}, "Super", &o, indici, metodi::SuperEnalotto());
  EXPECT_EQ(s.substr(0, s.find("  Elemento n. 1")),
            Righe({"Metodo <Super>", "", "Periodo Test : da GENNAIO 2010 Fino ad Ultima Estrazione",
                   "Ruote : BA,RO", "Numero Colpi di Gioco : 5  ", "Interrompi alla prima Sortita",
                   "", "FORMAZIONE N. 1", " Estrazione di calcolo : Ultima del Mese",
                   " Gioca per la Sorte di : Tre,Quattro"}));
  EXPECT_NE(s.find("   2° Estratto di NAPOLI + fisso 0\r\n  Elemento n. 3\r\n"
                   "   4° Estratto di CAGLIARI + fisso 1\r\n\r\nFORMAZIONE N. 2\r\n"
                   " Estrazione di calcolo :  del Mese\r\n Gioca per la Sorte di : 5+1,Sei\r\n"),
            std::string::npos);
}

TEST(MethodSummary, ChecksOutputFileAndColpiEntries) {
  EXPECT_EQ(ErroriOpzioni(0, 0), "SELEZIONARE ALMENO UNA RUOTA !\r\nNON CI SONO PRONOSTICI !\r\n");
  EXPECT_EQ(ErroriOpzioni(1, 0), "NON CI SONO PRONOSTICI !\r\n");
  EXPECT_EQ(ErroriOpzioni(1, 3), "");
  // Three lines without a final line end give five lines.
  EXPECT_EQ(FileOutput("Tarvolane", "a\r\n1° colpo\r\nc"),
            "TARVOLANE\r\n\r\na\r\n1\xB0 colpo\r\nc\r\n");
  EXPECT_EQ(TestoColpi(1), "1  ");
  EXPECT_EQ(TestoColpi(10), "10 ");
  EXPECT_EQ(TestoColpi(100), "100");
}
