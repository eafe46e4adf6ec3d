#include "core/testo.h"

#include <gtest/gtest.h>

TEST(TextCodec, WritesWindows1252WithCrLf) {
  const std::string bytes = testo::CodificaRighe({"1° Estratto è così", "", "€"});
  EXPECT_EQ(bytes, std::string("1\xB0 Estratto \xE8 cos\xEC\r\n\r\n\x80\r\n"));
}

TEST(TextCodec, RoundTripsThroughWindows1252) {
  const std::string utf8 = "Lunedì, Martedì, 90°, à è é ì ò ù, „“”‘’–—…";
  EXPECT_EQ(testo::DaCp1252(testo::ACp1252(utf8)), utf8);
  EXPECT_EQ(testo::ACp1252("漢"), "?");
}

TEST(TextCodec, ReadsAnyLineEndAndEitherEncoding) {
  const struct { const char* nome; std::string bytes; std::vector<std::string> righe; } casi[] = {
      {"crlf", "a\r\nb\r\n", {"a", "b"}},
      {"lf", "a\nb", {"a", "b"}},
      {"cr", "a\rb\r", {"a", "b"}},
      {"misti", "a\r\n\nb\rc", {"a", "", "b", "c"}},
      {"vuoto", "", {}},
      {"solo fine riga", "\r\n", {""}},
      {"cp1252", "1\xB0 \xE8", {"1° è"}},
      {"utf8", "1\xC2\xB0 \xC3\xA8", {"1° è"}},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    EXPECT_EQ(testo::DecodificaRighe(c.bytes), c.righe);
  }
}

TEST(TextCodec, UTF8CheckInPiecesAgreesWithTheWholeCheck) {
  const std::string casi[] = {"abcdefghijklmno\xC3\xA0pqrstuvwxyz",
                              "abcdefgh\xC3",
                              "abcdefghijklmnop\xE0"
                              "bc",  // a lead byte, then no continuation
                              "\xF0\x9F\x98\x80xxxxxxxxxxxxxxxx",
                              "xxxxxxx\xC3\xA0xxxxxxxxx\xE2\x82",
                              "xxxxxxxxxxxxxxx\xED\xA0\x80xxxxxxxx",
                              "xxxxxxxxxxxxxxxxxxxxxxxx\x80"};
  for (const std::string& c : casi)
    for (std::size_t n = 1; n <= c.size(); ++n) {
      SCOPED_TRACE(c + " / " + std::to_string(n));
      testo::ValidatoreUtf8 v;
      for (std::size_t i = 0; i < c.size(); i += n) v.aggiungi(std::string_view(c).substr(i, n));
      EXPECT_EQ(v.valido(), testo::Utf8Valido(c));
    }
}

TEST(ItalianNumbers, ThousandsDotAndDecimalComma) {
  EXPECT_EQ(testo::Intero(0), "0");
  EXPECT_EQ(testo::Intero(999), "999");
  EXPECT_EQ(testo::Intero(1234), "1.234");
  EXPECT_EQ(testo::Intero(-1234567), "-1.234.567");
  EXPECT_EQ(testo::Decimale(1234.5, 2), "1.234,50");
  EXPECT_EQ(testo::Decimale(0.004, 2), "0,00");
  EXPECT_EQ(testo::Decimale(-0.004, 2), "0,00");
  EXPECT_EQ(testo::Decimale(-12.5, 1), "-12,5");
  EXPECT_EQ(testo::Decimale(7, 0), "7");
}

TEST(TextHelpers, HalvesRoundOnTheDecimalValue) {
  using testo::Arrotondamento;
  struct Caso {
    double x;
    int decimali;
    Arrotondamento modo;
    const char* atteso;
  } casi[] = {
      {2.675, 2, Arrotondamento::MetaLontanoDaZero, "2,68"},  // binary 2.67499999...
      {1.005, 2, Arrotondamento::MetaLontanoDaZero, "1,01"},
      {81.25, 1, Arrotondamento::MetaLontanoDaZero, "81,3"},
      {-0.5, 0, Arrotondamento::MetaLontanoDaZero, "-1"},
      {99.995, 2, Arrotondamento::MetaLontanoDaZero, "100,00"},
      {2.665, 2, Arrotondamento::MetaPari, "2,66"},
      {2.675, 2, Arrotondamento::MetaPari, "2,68"},
      {0.125, 2, Arrotondamento::MetaPari, "0,12"},
      {0.1251, 2, Arrotondamento::MetaPari, "0,13"},
      {1e-7, 2, Arrotondamento::MetaLontanoDaZero, "0,00"},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(testo::Decimale(c.x, c.decimali, c.modo), c.atteso);
  }
  EXPECT_EQ(testo::Decimale(1234567.891, 2, Arrotondamento::MetaLontanoDaZero, false), "1234567,89");
}

TEST(TextHelpers, ExactQuotientsAndPercentages) {
  using testo::Arrotondamento;
  EXPECT_EQ(testo::Percentuale(1, 3), "33,33%");
  EXPECT_EQ(testo::Percentuale(2, 3), "66,67%");
  EXPECT_EQ(testo::Percentuale(1, 8), "12,50%");
  EXPECT_EQ(testo::Percentuale(1, 80000), "0,00%");   // 0.00125: below the half
  EXPECT_EQ(testo::Percentuale(1, 20000), "0,01%");   // 0.005: exactly half, away from zero
  EXPECT_EQ(testo::Percentuale(0, 0), "0,00%");
  EXPECT_EQ(testo::Percentuale(5, 5), "100,00%");
  EXPECT_EQ(testo::Percentuale(12345, 1000), "1234,50%");  // no thousands dot
  EXPECT_EQ(testo::Rapporto(1, 8, 2, Arrotondamento::MetaPari), "0,12");
  EXPECT_EQ(testo::Rapporto(3, 8, 2, Arrotondamento::MetaPari), "0,38");
  EXPECT_EQ(testo::Rapporto(-1, 2, 0), "-1");
  EXPECT_EQ(testo::Rapporto(123456789, 1, 0), "123.456.789");
  EXPECT_EQ(testo::Rapporto(7, 3, 0), "2");
}

TEST(TextHelpers, CountCharactersNotBytes) {
  EXPECT_EQ(testo::Lunghezza("Lunedì"), 6u);
  EXPECT_EQ(testo::Sinistra("Mercoledì", 9), "Mercoledì");
  EXPECT_EQ(testo::Sinistra("Mercoledì", 3), "Mer");
  EXPECT_EQ(testo::Adatta("è", 3), "è  ");
  EXPECT_EQ(testo::Adatta("abcdef", 3), "abc");
  EXPECT_EQ(testo::AllineaDestra("12", 5), "   12");
  EXPECT_EQ(testo::AllineaDestra("123456", 5), "12345");
  EXPECT_EQ(testo::AdattaAlmeno("è", 3), "è  ");
  EXPECT_EQ(testo::AdattaAlmeno("abcdef", 3), "abcdef");
  EXPECT_EQ(testo::AllineaDestraAlmeno("1%", 5), "   1%");
  EXPECT_EQ(testo::AllineaDestraAlmeno("100,0%", 5), "100,0%");
}

TEST(TextHelpers, CapitalsAndTheCodePageOfNames) {
  EXPECT_EQ(testo::Maiuscole("città di Forlì"), "CITTÀ DI FORLÌ");
  EXPECT_EQ(testo::Maiuscole("ÿšœž àþ ÷ß µ 1.2"), "ŸŠŒŽ ÀÞ ÷ß µ 1.2");
  EXPECT_TRUE(testo::InCp1252("Città € ° Œ"));
  EXPECT_FALSE(testo::InCp1252("Ω"));
  EXPECT_FALSE(testo::InCp1252("ă"));
  EXPECT_FALSE(testo::InCp1252("\xC3"));  // not UTF-8
}
