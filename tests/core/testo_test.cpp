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

TEST(ItalianNumbers, ThousandsDotAndDecimalComma) {
  EXPECT_EQ(testo::Intero(0), "0");
  EXPECT_EQ(testo::Intero(999), "999");
  EXPECT_EQ(testo::Intero(1234), "1.234");
  EXPECT_EQ(testo::Intero(-1234567), "-1.234.567");
  EXPECT_EQ(testo::Decimale(1234.5, 2), "1.234,50");
  EXPECT_EQ(testo::Decimale(0.004, 2), "0,00");
  EXPECT_EQ(testo::Decimale(-0.004, 2), "0,00");
  EXPECT_EQ(testo::Decimale(-12.5, 1), "-12,5");
  EXPECT_EQ(testo::Percentuale(100.0 / 3), "33,33%");
  EXPECT_EQ(testo::Decimale(7, 0), "7");
}

TEST(TextHelpers, CountCharactersNotBytes) {
  EXPECT_EQ(testo::Lunghezza("Lunedì"), 6u);
  EXPECT_EQ(testo::Sinistra("Mercoledì", 9), "Mercoledì");
  EXPECT_EQ(testo::Sinistra("Mercoledì", 3), "Mer");
  EXPECT_EQ(testo::Adatta("è", 3), "è  ");
  EXPECT_EQ(testo::Adatta("abcdef", 3), "abc");
  EXPECT_EQ(testo::AllineaDestra("12", 5), "   12");
  EXPECT_EQ(testo::AllineaDestra("123456", 5), "12345");
}
