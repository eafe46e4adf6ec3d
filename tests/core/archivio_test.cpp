#include "core/archivio.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/estrazioni_reali.h"

namespace {

std::vector<std::uint8_t> Immagine(const Archivio& a) {
  return {a.bytes().begin(), a.bytes().end()};
}

Archivio Piccolo() {
  return CostruisciArchivio({prova::Fai({7, 1, 1946}, {{1, 2, 3, 4, 5}}),
                             prova::Fai({12, 1, 1946}, {{90, 80, 70, 60, 50}})});
}

}  // namespace

TEST(ArchiveLayout, DrawIndexRunsFastest) {
  Archivio a;
  a(1, 0, 1) = 11;
  a(2, 0, 1) = 12;
  a(1, 1, 1) = 21;
  a(1, 0, 2) = 31;
  a(5000, 10, 5) = 99;
  const auto b = a.bytes();
  EXPECT_EQ(b[0], 11);
  EXPECT_EQ(b[1], 12);
  EXPECT_EQ(b[5000], 21);
  EXPECT_EQ(b[55000], 31);
  EXPECT_EQ(b[274999], 99);
  EXPECT_EQ(b.size(), 275000u);
}

TEST(ArchiveLayout, BuilderWritesDatesNumbersAndFreeRecords) {
  const Archivio a = Piccolo();
  EXPECT_EQ(a.giorno(2), 12);
  EXPECT_EQ(a.mese(2), 1);
  EXPECT_EQ(a.anno(2), 46);
  EXPECT_EQ(a.secolo(2), 19);
  EXPECT_EQ(a(2, 1, 1), 90);
  EXPECT_EQ(a(2, 2, 1), 0);
  EXPECT_TRUE(a.libero(3));
  EXPECT_TRUE(a.libero(5000));
  EXPECT_EQ(a.contaEstrazioni(), 2);
  EXPECT_EQ(a.ultimaEstrazione(), 2);
}

TEST(ArchiveValidation, AcceptsAValidImage) {
  auto r = Archivio::Decodifica(Immagine(Piccolo()));
  ASSERT_TRUE(r.ok()) << r.motivo();
  EXPECT_EQ(*r, Piccolo());
}

TEST(ArchiveValidation, RefusesDamagedImagesNamingTheFault) {
  struct Caso {
    const char* nome;
    std::function<void(std::vector<std::uint8_t>&)> danno;
    const char* motivo;
  };
  const Caso casi[] = {
      {"corto", [](auto& b) { b.resize(1234); },
       "archivio.dat non valido: dimensione 1234 byte invece di 275000"},
      {"lungo", [](auto& b) { b.push_back(0); },
       "archivio.dat non valido: dimensione 275001 byte invece di 275000"},
      {"vuoto", [](auto& b) { b.clear(); },
       "archivio.dat non valido: dimensione 0 byte invece di 275000"},
      {"nessuna estrazione", [](auto& b) { b[0] = 0; b[formato::Offset(1, 0, 4)] = 99; },
       "archivio.dat non valido: nessuna estrazione presente"},
      {"nessun record libero",
       [](auto& b) {
         for (int d = 1; d <= 5000; ++d) {
           b[formato::Offset(d, 0, 1)] = 1; b[formato::Offset(d, 0, 2)] = 1;
           b[formato::Offset(d, 0, 4)] = 20;
         }
       },
       "archivio.dat non valido: nessun record libero dopo l'ultima estrazione"},
      {"record di zeri", [](auto& b) { std::fill(b.begin(), b.end(), 0); },
       "archivio.dat non valido: nessun record libero dopo l'ultima estrazione"},
      {"giorno impossibile", [](auto& b) { b[formato::Offset(2, 0, 1)] = 31; b[formato::Offset(2, 0, 2)] = 2; },
       "archivio.dat non valido: data non valida nell'estrazione 2"},
      {"secolo 18", [](auto& b) { b[formato::Offset(1, 0, 4)] = 18; },
       "archivio.dat non valido: data non valida nell'estrazione 1"},
      {"anno 100", [](auto& b) { b[formato::Offset(1, 0, 3)] = 100; },
       "archivio.dat non valido: data non valida nell'estrazione 1"},
      {"numero 91", [](auto& b) { b[formato::Offset(2, 7, 3)] = 91; },
       "archivio.dat non valido: numero 91 fuori da 0..90 nell'estrazione 2"},
      {"numero 255 all'ultimo posto dell'ultima estrazione",
       [](auto& b) { b[formato::Offset(2, 10, 5)] = 255; },
       "archivio.dat non valido: numero 255 fuori da 0..90 nell'estrazione 2"},
      {"numero 91 a VENEZIA nella prima estrazione", [](auto& b) { b[formato::Offset(1, 10, 5)] = 91; },
       "archivio.dat non valido: numero 91 fuori da 0..90 nell'estrazione 1"},
      {"estrazione dopo un record libero",
       [](auto& b) { b[formato::Offset(200, 0, 1)] = 3; b[formato::Offset(200, 0, 4)] = 20; },
       "archivio.dat non valido: il record 200, dopo la fine dell'archivio, non è libero"},
      {"record 5000 di zeri", [](auto& b) { b[formato::Offset(5000, 0, 4)] = 0; },
       "archivio.dat non valido: il record 5000, dopo la fine dell'archivio, non è libero"},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    auto b = Immagine(Piccolo());
    c.danno(b);
    auto r = Archivio::Decodifica(b);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.motivo(), c.motivo);
  }
}

TEST(ArchiveValidation, MissingNumbersAndTheReservedByteAreAccepted) {
  auto b = Immagine(Piccolo());
  b[formato::Offset(1, 3, 2)] = 0;
  b[formato::Offset(1, 0, 5)] = 200;
  EXPECT_TRUE(Archivio::Decodifica(b).ok());
}

TEST(ArchiveValidation, AFullArchiveOf4999DrawsIsValid) {
  const Archivio a = CostruisciArchivio(prova::Sintetiche(4999));
  auto r = Archivio::Decodifica(Immagine(a));
  ASSERT_TRUE(r.ok()) << r.motivo();
  EXPECT_EQ(r->contaEstrazioni(), 4999);
}

TEST(Dates, WeekdaysAndCalendar) {
  EXPECT_EQ((Data{7, 1, 1946}.giornoSettimana()), 2);   // Monday
  EXPECT_EQ((Data{9, 1, 1999}.giornoSettimana()), 7);   // Saturday
  EXPECT_EQ((Data{1, 1, 1970}.giornoSettimana()), 5);   // Thursday
  EXPECT_EQ((Data{29, 2, 2000}.giornoSettimana()), 3);  // Tuesday
  EXPECT_TRUE((Data{29, 2, 2000}.valida()));
  EXPECT_FALSE((Data{29, 2, 1900}.valida()));
  EXPECT_FALSE((Data{31, 4, 2001}.valida()));
  EXPECT_FALSE((Data{0, 1, 2001}.valida()));
  EXPECT_LT((Data{31, 12, 1999}), (Data{1, 1, 2000}));
}
