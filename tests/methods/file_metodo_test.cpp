#include "methods/file_metodo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "support/cartella_temporanea.h"
#include "support/valore.h"

using namespace metodi;
using prova::Valore;

namespace {

Opzioni Esempio() {
  Opzioni o;
  o.mese = {0, 2};
  o.anno = {56, 56};
  o.fine = 1;
  o.colpi = 10;
  o.interrompi = 1;
  o.ruote[0] = o.ruote[5] = 1;  // BARI, NAPOLI
  o.cicli = 1;
  return o;
}

}  // namespace

TEST(MethodFile, OptionsLineHasFixedColumnsAndRoundTrips) {
  // Years 1945 (entry 0) to 2001 (entry 56), last valid draw in March.
  EXPECT_EQ(RigaOpzioni(Esempio()), "0000560200561010100010000100000001");
  const auto letta = LeggiRigaOpzioni("0000560200561010100010000100000001", 57);
  ASSERT_TRUE(letta) << letta.motivo();
  EXPECT_EQ(*letta, Esempio());

  Opzioni o = Esempio();
  o.fine = 2;
  o.colpi = 100;
  o.positivi = 1;
  o.parziali = 2;
  o.ruote = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  o.cicli = 12;
  EXPECT_EQ(RigaOpzioni(o), "0000560200562100110211111111111012");
  EXPECT_EQ(Valore(LeggiRigaOpzioni(RigaOpzioni(o), 57)), o);

  // The SuperEnalotto tester's: January of the 11th year to June of the 61st,
  // to the last draw, 5 colpi, positive cases only, BARI and ROMA, 1 cycle.
  Opzioni s;
  s.mese = {0, 5};
  s.anno = {10, 60};
  s.fine = 1;
  s.colpi = 5;
  s.interrompi = 0;
  s.positivi = 1;
  s.ruote[0] = s.ruote[7] = 1;
  EXPECT_EQ(RigaOpzioni(s), "0000100500601005010010000001000001");
  EXPECT_EQ(Valore(LeggiRigaOpzioni(RigaOpzioni(s), 61)), s);
}

TEST(MethodFile, OptionsLineRulesForShortLinesYearsAndRanges) {
  // 31 characters: no end option and cycles: "A" and 1 cycle.
  const auto corta = LeggiRigaOpzioni("0000560200562010100010000100000", 57);
  ASSERT_TRUE(corta) << corta.motivo();
  EXPECT_EQ(corta->fine, 0);
  EXPECT_EQ(corta->cicli, 1);
  EXPECT_EQ(corta->colpi, 10);
  EXPECT_EQ(corta->ruote[5], 1);
  // A year beyond the archive's list is its last year.
  const auto anni = LeggiRigaOpzioni("0000990200991010100010000100000001", 3);
  ASSERT_TRUE(anni);
  EXPECT_EQ(anni->anno, (std::array<int, 2>{2, 2}));

  const char* rifiutate[] = {
      "000056020056101010001000010000",      // 30 characters
      "1200560200561010100010000100000001",  // start month 12
      "0000561200561010100010000100000001",  // end month 12
      "0000560200563010100010000100000001",  // end option 3
      "0000560200561000100010000100000001",  // colpi 0
      "0000560200561101100010000100000001",  // colpi 101
      "0000560200561010300010000100000001",  // check 3
      "0000560200561010100010000300000001",  // wheel 3
      "0000560200561010100010000100000000",  // cycles 0
      "0000560200561010100010000100000101",  // cycles 101
      "00005602005610101000100001000000x1",  // not a digit
  };
  for (const char* r : rifiutate) EXPECT_FALSE(LeggiRigaOpzioni(r, 57).ok()) << r;
}

TEST(MethodFile, WrittenBytesAreWindows1252WithCrLf) {
  const std::string b =
      ScriviFileMetodo(Esempio(), {"MA  1M  1°BA+5,3°NA-12 & 2°RO+7", "M  TM  4°RO+0"});
  EXPECT_EQ(b,
            "0000560200561010100010000100000001\r\n"
            "MA  1M  1\xB0"
            "BA+5,3\xB0"
            "NA-12 & 2\xB0"
            "RO+7\r\n"
            "M  TM  4\xB0"
            "RO+0\r\n");
  const auto letto = LeggiFileMetodo(b, 57);
  ASSERT_TRUE(letto) << letto.motivo();
  EXPECT_EQ(letto->opzioni, Esempio());
  EXPECT_EQ(letto->righe,
            (std::vector<std::string>{"MA  1M  1°BA+5,3°NA-12 & 2°RO+7", "M  TM  4°RO+0"}));
}

TEST(MethodFile, ReaderTakesDetectorFilesLfOnlyFilesAndLinesAroundTheOptions) {
  // As the method detector writes it: end option 1, 8 colpi, nothing ticked but one wheel.
  const std::string rivelatore =
      "0200550000561008000000000100000001\r\n"
      "M  1M  5\xB0"
      "NA+17 & 5\xB0"
      "NA+40\r\n"
      "A  1M  5\xB0"
      "NA+17 & 5\xB0"
      "NA+40 & 5\xB0"
      "NA+0 & 5\xB0"
      "NA+3 & 5\xB0"
      "NA+90 & 5\xB0"
      "NA+8\r\n";
  for (const std::string& bytes : {rivelatore, [&] {
                                     std::string lf;
                                     for (char c : rivelatore)
                                       if (c != '\r') lf += c;
                                     return lf;
                                   }()}) {
    const auto f = LeggiFileMetodo(bytes, 57);
    ASSERT_TRUE(f) << f.motivo();
    ASSERT_TRUE(f->opzioni);
    EXPECT_EQ(f->opzioni->fine, 1);
    EXPECT_EQ(f->opzioni->colpi, 8);
    EXPECT_EQ(f->opzioni->interrompi + f->opzioni->positivi + f->opzioni->riepilogo +
                  f->opzioni->parziali,
              0);
    EXPECT_EQ(f->opzioni->ruote, (std::array<int, 11>{0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(f->opzioni->cicli, 1);
    ASSERT_EQ(f->righe.size(), 2u);
    EXPECT_EQ(f->righe[0], "M  1M  5°NA+17 & 5°NA+40");
  }
  // Lines before the options line, a line of blanks, trimmed lines, CR ends, a UTF-8 mark.
  const auto f = LeggiFileMetodo(
      "\xEF\xBB\xBF  M  TM  4\xC2\xB0RO+0  \r   \r0000560200561010100010000100000001\rA  1M  "
      "1\xC2\xB0"
      "BA+5 & 2\xC2\xB0"
      "BA+5",
      57);
  ASSERT_TRUE(f) << f.motivo();
  EXPECT_EQ(f->righe, (std::vector<std::string>{"M  TM  4°RO+0", "", "A  1M  1°BA+5 & 2°BA+5"}));
  EXPECT_TRUE(f->opzioni);
}

TEST(MethodFile, ReaderListsEveryFaultyLineWithItsFirstFault) {
  const auto f = LeggiFileMetodo(
      "1200560200561010100010000100000001\r\nM  TM  "
      "4\xB0RO+0\r\n0000560200561000999999999999999000\r\n",
      57);
  ASSERT_FALSE(f);
  EXPECT_EQ(f.motivo(),
            "Riga 1: mese iniziale 12 fuori intervallo (0-11)\r\n"
            "Riga 3: numero colpi 0 fuori intervallo (1-100)");
}

// Lines that make a file no method are refused in one line; faulty options
// lines are listed ten at most.
TEST(MethodFile, RefusalsFitOnTheScreen) {
  const std::string cattiva = "1200560200561010100010000100000001\r\n",
                    buona = "M  TM  4\xB0RO+0\r\n";
  auto ripeti = [](const std::string& s, std::size_t n) {
    std::string o;
    while (n-- > 0) o += s;
    return o;
  };
  const struct {
    std::string bytes, ultima;
  } casi[] = {
      // ultima: the refusal's last line, empty if none
      {buona + ripeti(cattiva, 1500), "… e altre 1.490 righe non valide"},
      {cattiva + buona + "\r\nbin\x01\x02\r\n" + std::string(3, '\0'),
       "Riga 4: caratteri di controllo (non è un file di testo)"},
      {"M\t" + buona + "\x1A", ""},                // tabs are text, a final Ctrl-Z the old end mark
      {buona + "x \x81\x8D\x8F\x90\x9D\r\n", ""},  // unassigned Windows-1252 bytes are text
      {std::string(kMassimoRighe + 1, '\n'),
       "il file ha 10.001 righe, più di quante ne abbia un metodo (al massimo 10.000)"},
      {"M  TM  4°RO+0\r\nM  TM  " + ripeti("°", kMassimoCaratteriRiga - 7),
       ""},  // characters, not bytes
      {"M  TM  4°RO+0\r\nM  TM  " + ripeti("°", kMassimoCaratteriRiga - 6),
       "Riga 2: 10.001 caratteri, più di quanti ne abbia una riga di un metodo (al massimo "
       "10.000)"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.ultima);
    const auto f = LeggiFileMetodo(c.bytes, 57);
    ASSERT_EQ(f.ok(), c.ultima.empty()) << f.motivo();
    EXPECT_EQ(f.motivo().substr(f.motivo().rfind('\n') + 1), c.ultima);
    EXPECT_LE(std::count(f.motivo().begin(), f.motivo().end(), '\n'), 10);
  }
  prova::CartellaTemporanea dir;
  const auto grande = dir.percorso() / "Grande.mtd";
  std::ofstream(grande) << buona;
  std::filesystem::resize_file(grande, 50u * 1024 * 1024);  // sparse: nothing is written
  EXPECT_EQ(
      ApriFileMetodo(grande, 57).motivo(),
      "impossibile leggere Grande.mtd: file troppo grande (52.428.800 byte, al massimo 2.097.152)");
}

// Files of the fragments that trip a reader: lines behind blanks, "°" and accents
// in either encoding, text that reads as UTF-8 once other bytes are gone.
static std::string FileGenerato(std::mt19937& caso) {
  // clang-format off
  static const std::string pezzi[] = {
      "0000560200561010100010000100000001", " 0500000500002050100000000000000001",
      "0000560200562010100010000100000",    "  0000560200561010100010000100000001\xE8",
      "M  TM  4\xB0RO+0",                   "  MA  1M  1\xB0" "BA+5,3\xB0NA-12 & 2\xB0RO+7 ",
      " 1\xB0VE-30",                        "   ",
      "\tA  TM  1\xB0" "BA+5",              "M  TM  4\xC2\xB0RO+0",
      "Citt\xE0 \xC3\xB0",                  "\xC3\x83\xC2\xB0",
      "x \x81\x8D\x8F\x90\x9D",             "\xE2\x82\xAC \xCE\xA9",
      "3",                                  ""};
  // clang-format on
  static const char* const fini[] = {"\r\n", "\n", "\r"};
  std::string b = caso() % 8 == 0 ? "\xEF\xBB\xBF" : "";
  for (int i = 0, righe = static_cast<int>(caso() % 6); i < righe; ++i)
    b += (i ? fini[caso() % 3] : "") + pezzi[caso() % std::size(pezzi)];
  return b;
}

TEST(MethodFile, EveryAcceptedFileSavesAndOpensAsTheSameMethod) {
  // The two files that once changed through a save: lines behind a blank.
  const std::string opzioni = "0000000000001010100000000000000001\r\n";
  EXPECT_EQ(LeggiFileMetodo(opzioni + "M  TM  4\xB0RO+0\r\n 1\xB0VE-30\r\n", 57).motivo(),
            "Riga 3: riga delle opzioni incompleta (7 caratteri, ne servono almeno 31)");
  const auto seconde = LeggiFileMetodo(opzioni + " 0500000500002050100000000000000001\r\n", 57);
  ASSERT_TRUE(seconde) << seconde.motivo();
  EXPECT_EQ(RigaOpzioni(Valore(seconde->opzioni, "riga delle opzioni")),
            "0500000500002050100000000000000001");

  std::mt19937 caso(22);
  int accettati = 0;
  for (int n = 0; n < 3000; ++n) {
    const std::string originale = FileGenerato(caso);
    const auto aperto = LeggiFileMetodo(originale, 57);
    if (!aperto) continue;
    ++accettati;
    SCOPED_TRACE(::testing::PrintToString(originale));
    const Opzioni o = aperto->opzioni.value_or(Opzioni{});  // else the window's own
    const std::string salvato = ScriviFileMetodo(o, aperto->righe);
    const auto riaperto = LeggiFileMetodo(salvato, 57);
    ASSERT_TRUE(riaperto) << riaperto.motivo();
    EXPECT_EQ(riaperto->opzioni, o);
    EXPECT_EQ(riaperto->righe, aperto->righe);
    EXPECT_EQ(ScriviFileMetodo(o, riaperto->righe), salvato);
  }
  EXPECT_GT(accettati, 1000);
  // The five unassigned bytes of Windows-1252 survive an open and a save.
  const std::string bytes = opzioni + "M  TM  4\xB0RO+0 \x81\x8D\x8F\x90\x9D\r\n";
  const FileMetodo letto = Valore(LeggiFileMetodo(bytes, 57));
  EXPECT_EQ(ScriviFileMetodo(Valore(letto.opzioni, "riga delle opzioni"), letto.righe), bytes);
}

TEST(MethodFile, TheNameIsTheFileNameWithoutItsMtdExtension) {
  EXPECT_EQ(Valore(NomeMetodo("/home/u/metodi/Prova.mtd")), "Prova");
  EXPECT_EQ(Valore(NomeMetodo("/home/u/metodi/Prova.MTD")), "Prova");
  EXPECT_EQ(Valore(NomeMetodo("Metodo.con.punti.Mtd")), "Metodo.con.punti");
  EXPECT_FALSE(NomeMetodo("/home/u/metodi/Prova.txt"));
  EXPECT_FALSE(NomeMetodo("/home/u/metodi/Prova"));
  EXPECT_FALSE(NomeMetodo("/home/u/metodi/.mtd"));
}
