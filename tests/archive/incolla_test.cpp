#include "archive/incolla.h"

#include <gtest/gtest.h>

#include <random>

#include "support/valore.h"

using namespace Estrazioni;
using E = Incollato::Esito;

namespace {

const Data kOggi{15, 6, 2024};

// A full pasted draw: wheel w holds w, 10 + w, 20 + w, 30 + w, 80 + w (VENEZIA 10 .. 90).
std::string Completo(const std::string& data = "05/01/2000") {
  static const char* kNomi[] = {"Bari",   "Cagliari", "Firenze", "Genova", "Milano",
                                "Napoli", "Palermo",  "Roma",    "Torino", "Venezia"};
  std::string t = "Risultati - Estrazione del " + data + "\r\n";
  for (int w = 1; w <= 10; ++w) {
    t += std::string(kNomi[w - 1]) + "\t";
    for (int k : {0, 10, 20, 30, 80}) t += (w + k < 10 ? "0" : "") + std::to_string(w + k) + " ";
    t += "\r\n";
  }
  return t;
}

}  // namespace

TEST(Paste, LiteralMatchingRules) {
  struct Caso {
    const char* nome;
    std::string testo;
    E esito;
    std::vector<std::pair<int, std::string>> caselle;  // box, text
  } casi[] = {
      {"completa", Completo(), E::Completo, {{1, "1"}, {5, "81"}, {46, "10"}, {50, "90"}}},
      {"maiuscole e separatori", "ESTRAZIONI 5.1.2000 BARI 12, 34, 5, 6, 7 cagliari 1 2 3 4 5 "
       "firenze 1 2 3 4 5 genova 1 2 3 4 5 milano 1 2 3 4 5 napoli 1 2 3 4 5 palermo 1 2 3 4 5 "
       "roma 1 2 3 4 5 torino 1 2 3 4 5 venezia 1 2 3 4 5",
       E::Completo, {{1, "12"}, {2, "34"}, {3, "5"}}},
      {"cifre attaccate", "estrazione 05-01-2000 bari 1234 5 6 7" + Completo().substr(Completo().find("Cagliari")),
       E::Completo, {{1, "12"}, {2, "4"}, {3, "5"}}},
      {"zero iniziale", "estrazione 05/01/2000 bari 00 05 1 2 3" + Completo().substr(Completo().find("Cagliari")),
       E::Completo, {{1, "0"}, {2, "5"}}},
      {"ruota citata prima", "Da Roma: estrazione 05/01/2000 " + Completo(),
       E::Completo, {{36, "5"}, {37, "1"}}},
      {"data prima del 2000", Completo("31/12/1999"), E::DataAntecedente, {}},
      {"data dopo oggi", Completo("16/06/2024"), E::ChiediConferma, {}},
      {"data impossibile", Completo("30/02/2000"), E::Rifiutato, {}},
      {"anno a due cifre", Completo("05/01/00"), E::Rifiutato, {}},
      {"niente estrazion", "Bari 1 2 3 4 5", E::Rifiutato, {}},
      {"data troppo lontana", "estrazione del giorno sabato 05/01/2000", E::Rifiutato, {}},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    const auto r = Incolla(c.testo, kOggi);
    EXPECT_EQ(r.esito, c.esito);
    for (const auto& [i, t] : c.caselle) EXPECT_EQ(r.caselle[i - 1].value_or("<vuota>"), t) << i;
  }
  EXPECT_EQ(Incolla(Completo("16/06/2024"), kOggi, true).esito, E::Completo);
  // Beyond the date picker's last year: refused, even once a later date was confirmed.
  EXPECT_EQ(Incolla(Completo("31/12/2099"), kOggi, true).esito, E::Completo);
  EXPECT_EQ(Incolla(Completo("01/01/2100"), kOggi, true).esito, E::Rifiutato);
  EXPECT_EQ(Incolla(Completo("01/01/2100"), kOggi).esito, E::Rifiutato);
  EXPECT_EQ(Incolla(Completo("31/12/1999"), kOggi).messaggio,
            "DATA ANTECEDENTE AL 1/1/2000\r\nImpossibile inserire Estrazione");
}

TEST(Paste, RefusalAfterTheDateKeepsWhatWasRead) {
  std::string t = Completo();
  t.erase(t.find("Napoli"), 6);  // NAPOLI missing: five wheels read
  auto r = Incolla(t, kOggi);
  EXPECT_EQ(r.esito, E::Rifiutato);
  EXPECT_EQ(r.messaggio, "Negli appunti non sono presenti estrazioni valide");
  EXPECT_EQ(prova::Valore(r.data, "data"), (Data{5, 1, 2000}));
  EXPECT_EQ(prova::Valore(r.caselle[24], "casella 25"), "85");
  EXPECT_FALSE(r.caselle[25].has_value());

  // Truncated in the middle of VENEZIA: its first two numbers are read.
  const std::string tronco = Completo().substr(0, Completo().find("Venezia") + 13);
  r = Incolla(tronco, kOggi);
  EXPECT_EQ(r.esito, E::Rifiutato);
  EXPECT_EQ(prova::Valore(r.caselle[46], "casella 47"), "20");
  EXPECT_FALSE(r.caselle[47].has_value());
}

TEST(Paste, NeverFaultsOnRandomOrMutatedText) {
  std::mt19937 gen(20240615);
  const std::string base = Completo();
  const std::string alfabeto = "estrazionbarvenzi0123456789/.- \r\n\t\xC3\xA8\xFF\x80";
  for (int i = 0; i < 4000; ++i) {
    std::string t;
    if (i % 2 == 0) {
      t = base.substr(0, gen() % (base.size() + 1));
      for (int m = gen() % 8; m > 0 && !t.empty(); --m) t[gen() % t.size()] = alfabeto[gen() % alfabeto.size()];
    } else {
      t.resize(gen() % 300);
      for (char& c : t) c = (gen() % 3 == 0) ? static_cast<char>(gen()) : alfabeto[gen() % alfabeto.size()];
      if (gen() % 2) t = "estrazione " + t;
    }
    const auto r = Incolla(t, kOggi);
    if (r.esito == E::Completo) {
      for (const auto& c : r.caselle) ASSERT_TRUE(c.has_value() && c->size() <= 2);
    }
  }
}
