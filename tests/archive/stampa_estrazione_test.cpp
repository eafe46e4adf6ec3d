#include "archive/stampa_estrazione.h"

#include <gtest/gtest.h>

#include "core/file.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"
#include "support/leggi_file.h"

using namespace Estrazioni;

TEST(Printout, StampaTxtByteForByte) {
  // 5 January 1999, CAGLIARI without numbers.
  const Archivio a = CostruisciArchivio({prova::Fai(
      {5, 1, 1999}, {{5, 12, 47, 80, 90}, {}, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15},
                     {16, 17, 18, 19, 20}, {21, 22, 23, 24, 25}, {26, 27, 28, 29, 30},
                     {31, 32, 33, 34, 35}, {36, 37, 38, 39, 40}})});
  prova::CartellaTemporanea dir;
  // Stampa.txt a link to a user's file: the link goes, the file stays.
  ASSERT_TRUE(file::ScriviAtomico(dir.percorso() / "mio.txt", std::string_view("del giocatore")));
  std::filesystem::create_symlink("mio.txt", dir.percorso() / "Stampa.txt");
  ASSERT_TRUE(ScriviStampa(dir.percorso(), {"vecchia stampa"}));
  EXPECT_EQ(prova::Testo(dir.percorso() / "mio.txt"), "del giocatore");
  ASSERT_TRUE(ScriviStampa(dir.percorso(), RigheStampa(a, 1, "Tarvolane")));
  const std::string atteso =
      "                      Tarvolane \r\n"
      "\r\n"
      "Estrazione n. 1 del 5.1.1999 (Mar)\r\n"
      "\r\n"
      "Bari     05 12 47 80 90\r\n"
      "Cagliari 00 00 00 00 00\r\n"
      "Firenze  01 02 03 04 05\r\n"
      "Genova   06 07 08 09 10\r\n"
      "Milano   11 12 13 14 15\r\n"
      "Napoli   16 17 18 19 20\r\n"
      "Palermo  21 22 23 24 25\r\n"
      "Roma     26 27 28 29 30\r\n"
      "Torino   31 32 33 34 35\r\n"
      "Venezia  36 37 38 39 40\r\n"
      "\r\n"
      "Colonna SuperEnalotto  :  1 - 5 - 11 - 16 - 21 - 26 - Jolly 36\r\n";
  EXPECT_EQ(prova::Testo(dir.percorso() / "Stampa.txt"), atteso);
}
