#include "stats/tabella_formazioni.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <set>

#include "core/file.h"
#include "support/cartella_temporanea.h"
#include "support/leggi_file.h"

using namespace formazioni;

namespace {

// A file as the program writes it: an accented name (0xE0) and a group
// without formations.
const std::string kFile =
    "G=CADENZE\r\nF=Cadenza 1\r\nN=1.11.21\r\nF=Citt\xE0\r\nN=5.50\r\n"
    "G=VUOTO\r\n"
    "G=MIEI\r\nF=Ambo\r\nN=3.17\r\n";

// The bytes in pieces of `n` bytes; `tagliato` as Lettore::fine.
Tabella APezzi(std::string_view b, std::size_t n, bool tagliato = false, Riduzione* r = nullptr) {
  Lettore l;
  for (std::size_t i = 0; i < b.size() && l.aggiungi(b.substr(i, n)); i += n) {
  }
  return l.fine(tagliato, r);
}

// A UTF-8 table of more groups than it keeps, its first line a comment long
// enough to put the byte `dopo` bytes after the "\xC3" of the line after
// the 102nd heading ("F=Città") last in the first 64 KiB. Next comes a line
// in Windows-1252, which reading never reaches.
std::string TabellaOltreILimite(std::size_t dopo) {
  std::string t, lungo = "F=";
  for (std::size_t i = 0; i < kMaxCaratteri * 2; ++i) lungo += "\xC3\xA8";  // cut inside an "è"
  for (int g = 0; g < kMaxGruppi; ++g) {
    const std::string k = std::to_string(g);
    t += "G=Citt\xC3\xA0 " + k + "\r\nN=3\nF=perch\xC3\xA9 " + k + "\rN=1.2\r\n' x=y\r\n";
    for (int f = 0; g == 1 && f <= kMaxFormazioni; ++f) t += "F=f\r\nN=4\r\n";
    if (g == 2) t += lungo + "\n";
  }
  t += "G=Oltre\r\nF=Citt\xC3\xA0\r\nF=Citt\xE0\r\n";
  const std::string testa = "\xEF\xBB\xBF' ";
  const std::size_t senza = testa.size() + 1 + t.rfind("\xC3\xA0");
  return testa + std::string(65535 - dopo - senza, '-') + "\n" + t;
}

// The table that Leggi reads in `cartella`: an empty table and a failure,
// not a crash, when it reads none.
Tabella Letta(const std::filesystem::path& cartella, Riduzione* ridotta = nullptr) {
  const auto letta = Leggi(cartella, ridotta);
  if (letta && *letta) return **letta;
  ADD_FAILURE() << "TabFnum.txt non letto: " << (letta ? "assente" : letta.motivo());
  return {};
}

}  // namespace

TEST(FormationTable, ProgramFilesRoundTripByteForByte) {
  const Tabella t = Decodifica(kFile);
  EXPECT_EQ(t, (Tabella{{{"CADENZE", {{"Cadenza 1", "1.11.21"}, {"Città", "5.50"}}},
                         {"VUOTO", {}},
                         {"MIEI", {{"Ambo", "3.17"}}}}}));
  EXPECT_EQ(Codifica(t), kFile);
  // Also the five bytes that Windows-1252 leaves unassigned.
  const std::string indefiniti =
      "G=A\x81"
      "B\r\nF=\x8D\x8F\r\nN=1.2\r\nG=\x90\x9D\r\n";
  EXPECT_EQ(Codifica(Decodifica(indefiniti)), indefiniti);

  // A formation without "N=" is written with an empty line, which reads back the same.
  const std::string senzaNumeri = "G=A\r\nF=x\r\n\r\nF=y\r\nN=\r\n";
  EXPECT_EQ(Codifica(Decodifica("G=A\nF=x\nF=y\nN=")), senzaNumeri);
  EXPECT_EQ(Codifica(Decodifica(senzaNumeri)), senzaNumeri);

  // UTF-8 with a byte-order mark, as a modern editor saves it, reads the same.
  EXPECT_EQ(Decodifica("\xEF\xBB\xBFG=CADENZE\nF=Cadenza 1\nN=1.11.21\nF=Citt\xC3\xA0\nN=5.50\nG=VUOTO\n"
                       "G=MIEI\nF=Ambo\nN=3.17\n"),
            t);
}

TEST(FormationTable, ReaderKeepsTheEditorsLimitsAsItReads) {
  // 103 groups, the first with 103 formations; a dropped formation's numbers stay dropped.
  std::string grande;
  for (int g = 0; g < kMaxGruppi + 2; ++g) {
    grande += "G=G" + std::to_string(g) + "\r\n";
    for (int f = 0; f < (g ? 1 : kMaxFormazioni + 2); ++f)
      grande += "F=f" + std::to_string(f) + "\r\nN=" + std::to_string(f + 1) + "\r\n";
  }
  Riduzione ridotta;
  const Tabella t = Decodifica(grande, &ridotta);
  EXPECT_TRUE(ridotta.eccedenze);
  ASSERT_EQ(t.gruppi.size(), static_cast<std::size_t>(kMaxGruppi));
  ASSERT_EQ(t.gruppi[0].formazioni.size(), static_cast<std::size_t>(kMaxFormazioni));
  EXPECT_EQ(t.gruppi[0].formazioni.back(), (Formazione{"f100", "101"}));
}

TEST(FormationTable, ReaderShowsWhatASaveStoresAndCutsEndlessTexts) {
  // Characters that Windows-1252 lacks read as a save writes them.
  const Tabella t = Decodifica(
      "G=\xC5\x81\xC3\xB3"
      "d\xC5\xBA\nF=\xCE\xA9\nN=1.2\n");
  EXPECT_EQ(t, (Tabella{{{"?ód?", {{"?", "1.2"}}}}}));
  EXPECT_EQ(Decodifica(Codifica(t)), t);

  // A name of 50 MB, UTF-8 numbers of 400 characters: their first 300 characters.
  Riduzione r;
  std::string numeri;
  for (int i = 0; i < 400; ++i) numeri += "\xC3\xA8";  // "è"
  const Tabella lunga =
      Decodifica("G=" + std::string(50u << 20, 'x') + "\r\nF=f\r\nN=" + numeri + "\r\n", &r);
  EXPECT_TRUE(r.accorciati);
  EXPECT_FALSE(r.eccedenze || r.nonLetto);
  EXPECT_EQ(lunga, (Tabella{{{std::string(kMaxCaratteri, 'x'),
                              {{"f", numeri.substr(0, 2 * kMaxCaratteri)}}}}}));
  EXPECT_EQ(AvvisoTabellaRidotta(r),
            "Alcuni nomi o numeri della tabella superano i 300 caratteri: "
            "sono stati accorciati.");
}

TEST(FormationTable, EveryTableSavesAndOpensAsTheSameTable) {
  // Lines of fragments in either encoding, characters the code page lacks among them.
  static const std::string pezzi[] = {"G=",
                                      "F=",
                                      "N=",
                                      "g=",
                                      "x",
                                      "Citt\xE0",
                                      "Citt\xC3\xA0",
                                      "\xC5\x81\xC3\xB3"
                                      "d",
                                      "\xCE\xA9",
                                      "\xC3\x83\xC2\xB0",
                                      " \x81\x8D",
                                      "1.2.45",
                                      "\xE2\x82\xAC",
                                      ""};
  static const char* const fini[] = {"\r\n", "\n", "\r"};
  std::mt19937 caso(26);
  for (int n = 0; n < 3000; ++n) {
    std::string b = caso() % 8 == 0 ? "\xEF\xBB\xBF" : "";
    for (int i = 0, righe = static_cast<int>(caso() % 8); i < righe; ++i) {
      b += i ? fini[caso() % 3] : "";
      for (int k = 0, parti = 1 + static_cast<int>(caso() % 3); k < parti; ++k)
        b += pezzi[caso() % std::size(pezzi)];
    }
    SCOPED_TRACE(::testing::PrintToString(b));
    const Tabella t = Decodifica(b);
    const std::string salvato = Codifica(t);
    ASSERT_EQ(Decodifica(salvato), t);
    ASSERT_EQ(Codifica(Decodifica(salvato)), salvato);
  }
}

TEST(FormationTable, FileIsReadInBoundedPiecesAndNeverWaited) {
  prova::CartellaTemporanea fifo, enorme;
  ASSERT_EQ(::mkfifo((fifo.percorso() / "TabFnum.txt").c_str(), 0600), 0);
  EXPECT_EQ(Leggi(fifo.percorso()).motivo(),
            "impossibile leggere TabFnum.txt: non è un file normale");
  // A gigabyte holding one group, then nothing it could keep: read to the bound.
  const auto f = enorme.percorso() / "TabFnum.txt";
  ASSERT_TRUE(file::ScriviAtomico(f, std::string_view("G=A\r\nF=a\r\nN=1\r\n")));
  ASSERT_EQ(::truncate(f.c_str(), std::int64_t{1} << 30), 0);
  Riduzione r;
  EXPECT_EQ(Letta(enorme.percorso(), &r), Decodifica("G=A\r\nF=a\r\nN=1\r\n"));
  EXPECT_TRUE(r.nonLetto);
  EXPECT_NE(AvvisoTabellaRidotta(r).find("Il file supera i 64 MB"), std::string::npos);
}

TEST(FormationTable, ReaderIgnoresStrayLinesAndKeepsOrphanNumbers) {
  const Tabella t = Decodifica(
      "F=prima\r\nN=1.2\r\n"            // before any group: ignored
      "g=minuscolo\r\n G=spazio\r\n\r\n"  // prefixes compare exactly
      "G=A\r\nN=7.8\r\nF=uno\r\nF=due\r\nN=9\r\nN=10\r\n"
      "G=B\r\nN=4\r\n");
  // The orphan "N=" waits for the first formation, a later "N=" replaces,
  // and group B gets no formation.
  EXPECT_EQ(Codifica(t), "G=A\r\nF=uno\r\nN=7.8\r\nF=due\r\nN=10\r\nG=B\r\n");
}

TEST(FormationTable, NumberStringCheck) {
  const std::string zero = "Numeri a zero non validi !", oltre = "Numeri > 90 non validi !",
                    doppi = "Numeri doppi non validi !", vuoti = "Numeri vuoti o non numerici non validi !";
  const struct {
    const char* testo;
    std::vector<std::string> errori;
  } casi[] = {
      {"1.90.45", {}},
      {"05.5", {doppi}},
      {"12.0", {zero}},
      {"91.5.5", {oltre, doppi}},
      {"0.0.95", {zero, oltre, doppi}},
      {"123", {oltre}},
      {"1..2", {vuoti}},
      {"1.", {vuoti}},
      {"", {vuoti}},
      {"1.a.1", {doppi, vuoti}},
      {"1948.2199", {oltre}},  // long pieces are different numbers, not one clamped value
      {"0100.100.1000", {oltre, doppi}},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.testo);
    EXPECT_EQ(ControllaNumeri(c.testo), c.errori);
  }
  EXPECT_EQ(DividiNumeri("3.17.45"), (std::vector<int>{3, 17, 45}));
  EXPECT_EQ(DividiNumeri("1..99999"), (std::vector<int>{1, -1, 999}));
}

TEST(FormationTable, KeyFilterOfNumberBoxes) {
  // A key typed at the end of the box (`tutto`: its whole text selected) and
  // the text it leaves; Backspace (8) is left to the box.
  const struct {
    const char* prima;
    bool tutto;
    char32_t tasto;
    const char* dopo;
  } casi[] = {
      {"12", false, U'3', "12"},  {"1.23", false, U'4', "1.23"}, {"", false, U'.', ""},
      {"12.", false, U'.', "12."}, {"12.5", true, U'7', "7"},    {"12.5", true, U'.', ""},
      {"12.5", true, U'x', ""},    {"12.5", true, 8, "12.5"},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(std::string(c.prima) + " + " + std::to_string(static_cast<int>(c.tasto)));
    const Tasto t = FiltroNumeri(c.prima, c.tutto, c.tasto);
    std::string testo = t.svuota ? "" : c.prima;
    if (t.passa && c.tasto != 8) testo += static_cast<char>(c.tasto);
    EXPECT_EQ(testo, c.dopo);
  }
}

TEST(FormationTable, ShippedTableIsBuiltFromTheNumberClasses) {
  const Tabella t = TabellaPredefinita();
  ASSERT_EQ(t.gruppi.size(), static_cast<std::size_t>(kGruppiStandard + 1));
  // Each standard group splits 1..90 (the twins excepted), and every formation passes the check.
  for (int g = 0; g < kGruppiStandard; ++g) {
    SCOPED_TRACE(t.gruppi[g].nome);
    std::multiset<int> numeri;
    for (const Formazione& f : t.gruppi[g].formazioni) {
      EXPECT_TRUE(ControllaNumeri(f.numeri.value_or("")).empty()) << f.nome;
      for (int n : DividiNumeri(f.numeri.value_or(""))) numeri.insert(n);
    }
    if (t.gruppi[g].nome == "GEMELLI") continue;
    EXPECT_EQ(numeri.size(), 90u);
    EXPECT_EQ(std::set<int>(numeri.begin(), numeri.end()).size(), 90u);
  }
  EXPECT_EQ(t.gruppi[2].formazioni[0], (Formazione{"Decina cabalistica 0", "1.2.3.4.5.6.7.8.9.90"}));

  // The file the program ships is this table, written by the program.
  const auto spedito = prova::LeggiTesto(TARVOLANE_TABFNUM);
  ASSERT_TRUE(spedito) << spedito.motivo();
  EXPECT_EQ(*spedito, Codifica(t));
}

TEST(FormationTable, TableReadInPartKeepsItsEncodingWhereverPiecesEnd) {
  for (std::size_t dopo : {0, 1}) {
    const std::string b = TabellaOltreILimite(dopo);
    Riduzione r;
    const Tabella t = Decodifica(b, &r);
    ASSERT_EQ(t.gruppi.size(), static_cast<std::size_t>(kMaxGruppi));
    EXPECT_EQ(t.gruppi[0].nome, "Città 0");
    EXPECT_EQ(t.gruppi[100].formazioni, (std::vector<Formazione>{{"perché 100", "1.2"}}));
    EXPECT_EQ(t.gruppi[1].formazioni.size(), static_cast<std::size_t>(kMaxFormazioni));
    std::string e;
    for (std::size_t i = 0; i < kMaxCaratteri; ++i) e += "è";
    EXPECT_EQ(t.gruppi[2].formazioni, (std::vector<Formazione>{{"perché 2", "1.2"}, {e, {}}}));
    EXPECT_TRUE(r.eccedenze && r.accorciati && !r.nonLetto);
    // A line that the bound cuts inside "à" is dropped with its bytes.
    const std::size_t g50 = b.find("G=Citt\xC3\xA0 50");
    const Tabella prime50 = Decodifica(b.substr(0, g50));
    for (std::size_t n = 1; n <= 300 || n == 1u << 16; n = n == 300 ? 1u << 16 : n + 1) {
      SCOPED_TRACE(n);
      ASSERT_EQ(APezzi(b, n), t);
      Riduzione tagliata;
      ASSERT_EQ(APezzi(b.substr(0, g50 + 7), n, true, &tagliata), prime50);
      ASSERT_TRUE(tagliata.nonLetto);
    }
  }
}

// The bound cuts an "N=" line of a formation whose earlier "N=" lines are
// whole: the last whole one stands, wherever the pieces end. The cut line is
// the k-th of its run; lines are short or longer than sixteen bytes; a
// comment, short or longer than a piece of 64 KiB, may come before it.
TEST(FormationTable, LineCutByTheBoundLeavesTheWholeNumbersBeforeIt) {
  const struct {
    int k;
    std::string coda;  // after "<2j-1>.<2j>", the numbers of line j
    std::string tra;   // a line before the cut one
  } casi[] = {{2, "", ""},
              {3, "", ""},
              {10, "", ""},
              {2, ".11.12.13.14.15.16", ""},
              {3, ".11.12.13.14", ""},
              {2, "", "' un commento di oltre sedici byte\r\n"},
              {2, "", "' " + std::string(70000, '-') + "\r\n"}};
  for (const auto& c : casi)
    for (const std::string fine : {"\r\n", "\n", "\r"}) {
      auto numeri = [&c](int j) {
        return std::to_string(2 * j - 1) + "." + std::to_string(2 * j) + c.coda;
      };
      std::string b = "G=g" + fine + "F=ultima" + fine;
      for (int j = 1; j < c.k; ++j) b += "N=" + numeri(j) + fine;
      b += c.tra + "N=" + numeri(c.k);
      // The bound after "N=", inside the numbers, at the end of the line.
      const std::size_t aperta = b.rfind("N=");
      for (std::size_t taglio : {aperta + 2, aperta + 3, b.size()})
        for (std::size_t n = 1; n <= 80 || n == 1u << 16; n = n == 80 ? 1u << 16 : n + 1) {
          SCOPED_TRACE("k=" + std::to_string(c.k) + ", bound at " + std::to_string(taglio) +
                       ", pieces of " + std::to_string(n));
          ASSERT_EQ(APezzi(b.substr(0, taglio), n, true),
                    (Tabella{{{"g", {{"ultima", numeri(c.k - 1)}}}}}));
        }
    }
}

TEST(FormationTable, FileReadInPartKeepsItsEncoding) {
  prova::CartellaTemporanea dir;
  const auto f = dir.percorso() / "TabFnum.txt";
  for (std::size_t dopo : {0, 1}) {
    const std::string b = TabellaOltreILimite(dopo);
    ASSERT_TRUE(file::ScriviAtomico(f, b));
    const Tabella t = Letta(dir.percorso());
    if (!t.gruppi.empty()) {
      EXPECT_EQ(t.gruppi[0].nome, "Città 0");
    }
    EXPECT_EQ(t, Decodifica(b));
  }
  // The 64 MB bound inside "à" of a heading: the heading is no group. Inside
  // an "N=" line after a whole one in the same piece: the whole one stands.
  const std::string testa = "G=Citt\xC3\xA0\r\nF=perch\xC3\xA9\r\n";
  const struct {
    std::string coda, oltre, tenuto;
  } casi[] = {{"\r\nG=Gr\xC3", "\xA0nde\r\n", ""}, {"\r\nN=1.2\r\nN=3.4", "5\r\n", "N=1.2\r\n"}};
  for (const auto& c : casi) {
    SCOPED_TRACE(::testing::PrintToString(c.coda));
    ASSERT_TRUE(file::ScriviAtomico(f, testa));
    ASSERT_EQ(::truncate(f.c_str(), kMassimoByteFile - c.coda.size()), 0);
    std::FILE* aperto = std::fopen(f.c_str(), "ab");
    std::fputs((c.coda + c.oltre).c_str(), aperto);
    std::fclose(aperto);
    Riduzione r;
    EXPECT_EQ(Letta(dir.percorso(), &r), Decodifica(testa + c.tenuto));
    EXPECT_TRUE(r.nonLetto);
  }
}
