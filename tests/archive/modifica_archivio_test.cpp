#include "archive/modifica_archivio.h"

#include <gtest/gtest.h>

#include "archive/testi_estrazione.h"
#include "core/file.h"
#include "core/indici.h"
#include "core/rsc.h"
#include "estrazione_di_prova.h"
#include "support/cartella_temporanea.h"
#include "support/estrazioni_reali.h"
#include "support/leggi_file.h"
#include "support/valore.h"

using namespace Estrazioni;

namespace {

using prova::Di;

Caselle CaselleDi(const Estrazione& e) {
  Caselle c;
  for (int i = 0; i < 50; ++i) c[i] = std::to_string(e.numeri[i / 5][i % 5]);
  return c;
}

// A data folder holding archivio.dat of the given draws, and the state loaded from it.
struct Editor {
  prova::CartellaTemporanea dir;
  Stato s;
  explicit Editor(const std::vector<Estrazione>& estrazioni) {
    s.CartellaDati = dir.percorso();
    s.ArchivioEstrazioni = CostruisciArchivio(estrazioni);
    Inizio::Aggiorna_Indici_Archivio(s.ArchivioEstrazioni, s.indici);
    EXPECT_TRUE(ScriviArchivio(File(), s.ArchivioEstrazioni));
  }
  std::filesystem::path File() const { return dir.percorso() / "archivio.dat"; }
  std::vector<std::uint8_t> SulDisco() const { return prova::Binario(File()); }
  static std::vector<std::uint8_t> Byte(const Archivio& a) {
    return {a.bytes().begin(), a.bytes().end()};
  }
};

const std::vector<Estrazione> kTre = {Di({4, 1, 2000}), Di({8, 1, 2000}, 1), Di({11, 1, 2000}, 2)};

}  // namespace

TEST(SaveChecks, RunInOrderAndNameTheFaultyBoxes) {
  const Archivio a = CostruisciArchivio(kTre);
  const Caselle buone = CaselleDi(Di({15, 1, 2000}, 3));
  struct Caso {
    const char* nome;
    Data data;
    std::vector<std::pair<int, std::string>> modifiche;  // box, text
    Controllo atteso;
    std::vector<int> errate;
    int fuoco;
  } casi[] = {
      {"in ordine", {15, 1, 2000}, {}, Controllo::Superato, {}, 0},
      {"data presente", {8, 1, 2000}, {{3, ""}}, Controllo::DataPresente, {}, 0},
      {"vuoti e zero", {15, 1, 2000}, {{7, ""}, {2, "0"}, {40, "95"}}, Controllo::EstrattiVuoti, {2, 7}, 2},
      {"fuori da 1..90", {15, 1, 2000}, {{40, "95"}, {9, "4,5"}, {11, "7x"}},
       Controllo::FuoriIntervallo, {9, 11, 40}, 9},
      {"doppi per valore", {15, 1, 2000}, {{12, "07"}, {13, "7"}, {21, "7"}},
       Controllo::EstrattiDoppi, {12, 13}, 12},
      {"fuori sequenza", {6, 1, 2000}, {}, Controllo::FuoriSequenza, {}, 0},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.nome);
    Caselle caselle = buone;
    for (const auto& [i, t] : c.modifiche) caselle[i - 1] = t;
    const auto v = VerificaNuovaEstrazione(a, 3, c.data, caselle);
    EXPECT_EQ(v.controllo, c.atteso);
    EXPECT_EQ(v.caselleErrate, c.errate);
    EXPECT_EQ(v.fuoco, c.fuoco);
  }
  const auto ok = VerificaNuovaEstrazione(a, 3, {15, 1, 2000}, buone).estrazione;
  EXPECT_EQ(CostruisciArchivio({ok}), CostruisciArchivio({Di({15, 1, 2000}, 3)}));
}

TEST(StoringDraws, AppendOrInsertInDateOrder) {
  // The reserved fifth date byte of the free record goes with the new draw.
  struct Caso {
    Estrazione nuova;
    std::vector<Estrazione> attese;
    int posizione;
  } casi[] = {
      {Di({15, 1, 2000}, 3), {kTre[0], kTre[1], kTre[2], Di({15, 1, 2000}, 3)}, 4},
      {Di({6, 1, 2000}, 9), {kTre[0], Di({6, 1, 2000}, 9), kTre[1], kTre[2]}, 2},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.posizione);
    Editor ed(kTre);
    ed.s.ArchivioEstrazioni(4, 0, 5) = 77;
    auto atteso = CostruisciArchivio(c.attese);
    atteso(c.posizione, 0, 5) = 77;
    auto r = SalvaNuovaEstrazione(ed.s, c.nuova);
    ASSERT_TRUE(r) << r.motivo();
    EXPECT_EQ(*r, c.posizione);
    EXPECT_EQ(ed.SulDisco(), Editor::Byte(atteso));
    EXPECT_EQ(ed.s.ArchivioEstrazioni, atteso);
    EXPECT_EQ(ed.s.TotEstrazioni(), 4);
    EXPECT_EQ(ed.s.indici.DataUltimaEstrazione, c.attese.back().data);
    EXPECT_EQ(ed.s.indici.DescrEstrazioni.size(), 5u);
  }
}

TEST(StoringDraws, DeletionShiftsLaterRecordsDown) {
  Editor ed(kTre);
  ASSERT_TRUE(EliminaEstrazione(ed.s, 2));
  const auto atteso = CostruisciArchivio({kTre[0], kTre[2]});
  EXPECT_EQ(ed.SulDisco(), Editor::Byte(atteso));
  EXPECT_EQ(ed.s.TotEstrazioni(), 2);
  EXPECT_EQ(ed.s.indici.DescrEstrazioni.size(), 3u);  // rebuilt at once
  EXPECT_TRUE(ed.s.ArchivioEstrazioni.libero(3));
}

TEST(StoringDraws, RefusalsLeaveFileAndMemoryUntouched) {
  Editor ed(kTre);
  Editor unica({kTre[0]});
  Estrazione doppia = Di({15, 1, 2000});
  doppia.numeri[4][2] = doppia.numeri[4][0];
  Estrazione zero = Di({15, 1, 2000});
  zero.numeri[9][4] = 0;
  EXPECT_EQ(SalvaNuovaEstrazione(ed.s, Di({8, 1, 2000})).motivo(), "DATA GIA' PRESENTE IN ARCHIVIO !");
  EXPECT_FALSE(SalvaNuovaEstrazione(ed.s, doppia));
  EXPECT_FALSE(SalvaNuovaEstrazione(ed.s, zero));
  EXPECT_EQ(SalvaNuovaEstrazione(ed.s, Di({1, 1, 2100})).motivo(), "DATA NON VALIDA");
  EXPECT_EQ(prova::Motivo(EliminaEstrazione(unica.s, 1)),
            "IMPOSSIBILE CANCELLARE L'UNICA ESTRAZIONE");
  EXPECT_EQ(ed.SulDisco(), Editor::Byte(CostruisciArchivio(kTre)));
  EXPECT_EQ(ed.s.ArchivioEstrazioni, CostruisciArchivio(kTre));
  EXPECT_EQ(unica.SulDisco(), Editor::Byte(CostruisciArchivio({kTre[0]})));

  for (int tot : {1, 4998}) EXPECT_TRUE(SpazioPerNuovaEstrazione(tot)) << tot;
  EXPECT_FALSE(EliminazioneAmmessa(1));
  EXPECT_TRUE(EliminazioneAmmessa(2));

  Editor pieno(prova::Sintetiche(4999));
  const auto prima = pieno.SulDisco();
  EXPECT_EQ(SalvaNuovaEstrazione(pieno.s, Di({1, 1, 2100})).motivo(),
            "ARCHIVIO PIENO: IMPOSSIBILE INSERIRE ALTRE ESTRAZIONI");
  EXPECT_EQ(VerificaNuovaEstrazione(pieno.s.ArchivioEstrazioni, 4999, {1, 1, 2100}, Caselle{}).controllo,
            Controllo::ArchivioPieno);
  EXPECT_EQ(pieno.SulDisco(), prima);
}

TEST(StoringDraws, FailedWriteLeavesMemoryAndDiskAsTheyWere) {
  Editor ed(kTre);
  // A folder in the way of archivio.dat makes the write fail, as root too.
  std::filesystem::remove(ed.File());
  std::filesystem::create_directories(ed.File() / "dentro");
  const Archivio prima = ed.s.ArchivioEstrazioni;
  auto r = SalvaNuovaEstrazione(ed.s, Di({15, 1, 2000}, 3));
  ASSERT_FALSE(r);
  EXPECT_NE(r.motivo().find("archivio.dat"), std::string::npos);
  EXPECT_FALSE(EliminaEstrazione(ed.s, 1));
  EXPECT_EQ(ed.s.ArchivioEstrazioni, prima);
  EXPECT_EQ(ed.s.TotEstrazioni(), 3);
  EXPECT_TRUE(std::filesystem::is_directory(ed.File() / "dentro"));
}

TEST(Closing, AfterACorrectionWritesArchiveAndAllFiveDistanceFiles) {
  Editor ed(kTre);
  const auto c = ValutaCorrezione(ed.s.ArchivioEstrazioni, 3, 1, 1, "90");
  ASSERT_EQ(c.esito, Correzione::Esito::Corretto);
  ed.s.ArchivioEstrazioni(3, 1, 1) = static_cast<std::uint8_t>(c.valore);
  ASSERT_TRUE(Chiusura_Scrivi_Archivio(ed.s));
  ASSERT_TRUE(Chiusura_Completa(ed.s));
  EXPECT_EQ(ed.SulDisco(), Editor::Byte(ed.s.ArchivioEstrazioni));
  for (int k = 1; k <= 5; ++k) {
    SCOPED_TRACE(k);
    auto t =
        Archivio::DecodificaGrezza(prova::Binario(ed.dir.percorso() / Rsc::NomeFile(k)), "");
    ASSERT_TRUE(t);
    EXPECT_EQ((*t)(5000, 0, 4), 99);
    EXPECT_EQ(*t, Rsc::Crea_Archivio(ed.s.ArchivioEstrazioni, k));
    EXPECT_EQ(ed.s.TabelleRSC[k - 1], *t);
  }
  EXPECT_EQ(ed.s.UltimaEstrRSC, 3);
  EXPECT_EQ(ed.s.ArchivioSuperEnalotto[3][6], 90);
}

// A failed write changes nothing, memory included; given up, memory follows
// the disk, or the image the caller kept of it when the disk cannot be read,
// and the distance files describe that archive, not the unsaved draw.
TEST(Closing, AFailedArchiveWriteKeepsMemoryUntilItIsGivenUp) {
  for (const bool leggibile : {true, false}) {
    SCOPED_TRACE(leggibile ? "read-only archive" : "a link to a stick pulled out");
    Editor ed(kTre);
    const auto prima = ed.SulDisco();
    const Archivio sulDisco = ed.s.ArchivioEstrazioni;
    ed.s.ArchivioEstrazioni(3, 1, 1) = 90;
    const Archivio corretto = ed.s.ArchivioEstrazioni;
    if (leggibile) {
      std::filesystem::permissions(ed.File(), std::filesystem::perms::owner_read);
    } else {
      std::filesystem::remove(ed.File());
      std::filesystem::create_symlink("chiavetta/archivio.dat", ed.File());
    }
    const Esito e = Chiusura_Scrivi_Archivio(ed.s);
    ASSERT_FALSE(e);
    EXPECT_EQ(e.motivo(), leggibile ? "impossibile scrivere archivio.dat: file in sola lettura"
                                    : "impossibile scrivere archivio.dat: è un collegamento a un "
                                      "file inesistente");
    EXPECT_EQ(ed.s.ArchivioEstrazioni, corretto);
    Chiusura_Segui_Disco(ed.s, &sulDisco);
    EXPECT_EQ(ed.s.ArchivioEstrazioni, sulDisco);
    if (leggibile) {
      EXPECT_EQ(ed.SulDisco(), prima);
    }
    ASSERT_TRUE(Chiusura_Completa(ed.s));
    for (int k = 1; k <= 5; ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(prova::Binario(ed.dir.percorso() / Rsc::NomeFile(k)),
                Editor::Byte(Rsc::Crea_Archivio(sulDisco, k)));
      EXPECT_EQ(ed.s.TabelleRSC[k - 1], Rsc::Crea_Archivio(sulDisco, k));
    }
  }
}

TEST(Correction, JudgesTheAnswer) {
  const Archivio a = CostruisciArchivio({prova::Fai({4, 1, 2000}, {{12, 34, 45, 0, 90}})});
  using E = Correzione::Esito;
  const std::string nonValido = "Numero non Valido";
  struct Caso {
    int p;
    const char* risposta;
    E esito;
    int valore;
    std::string messaggio;
  } casi[] = {
      {1, "", E::Nessuna, 0, ""},          {1, "12", E::Nessuna, 0, ""},
      {4, "abc", E::Nessuna, 0, ""},       {1, "  7 nuovo", E::Corretto, 7, ""},
      {4, "6.4", E::Corretto, 6, ""},      {1, "91", E::NonValido, 0, nonValido},
      {1, "-3", E::NonValido, 0, nonValido}, {1, "99999999999999999999", E::NonValido, 0, nonValido},
      {1, "45", E::Ripetuto, 0, "Numero Ripetuto\r\n45 = al 3° estratto"},
      {4, "89.7", E::Ripetuto, 0, "Numero Ripetuto\r\n90 = al 5° estratto"},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.risposta);
    const auto r = ValutaCorrezione(a, 1, 1, c.p, c.risposta);
    EXPECT_EQ(r.esito, c.esito);
    EXPECT_EQ(r.messaggio, c.messaggio);
    EXPECT_EQ(r.valore, c.valore);
  }
  EXPECT_EQ(PromptCorrezione(a, 1, 1, 3),
            "\r\n\r\nBARI 3°estratto : 45\r\n\r\n\r\n\r\nNuovo Numero ?");
}

TEST(GoTo, ByNumberAndByDate) {
  const Archivio a = CostruisciArchivio({Di({30, 12, 1999}), Di({2, 1, 2000}), Di({4, 1, 2000})});
  EXPECT_EQ(prova::Valore(VaiANumero("2", 3)), 2);
  for (const char* t : {"", "0", "4", "x"}) {
    SCOPED_TRACE(t);
    EXPECT_EQ(VaiANumero(t, 3).motivo(), "Numero Estrazione non valida");
  }
  const std::string formato = "FORMATO DATA NON VALIDO ( usare 10 crt es: 04.12.1999 ) ";
  struct Caso {
    const char* testo;
    int estrazione;
    std::string motivo;
  } casi[] = {
      {"31.12.1999", 2, ""},       {"04.01.2000", 3, ""},
      {"05.01.2000", 0, "Data non Valida"},
      {"1.1.2000", 0, formato},    {"01/01/2000", 0, formato},
      {"32.01.2000", 0, "DATA NON VALIDA"}, {"04.12.1944", 0, "DATA NON VALIDA"},
      {" 4.12.2000", 0, "DATA NON VALIDA"}, {"04.12.-200", 0, "DATA NON VALIDA"},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.testo);
    const auto r = VaiAData(a, 3, c.testo);
    if (c.motivo.empty()) EXPECT_EQ(prova::Valore(r), c.estrazione);
    else EXPECT_EQ(r.motivo(), c.motivo);
  }
}

TEST(KeyRules, JudgeTheTextTheKeyWouldProduce) {
  EXPECT_EQ(TestoConTasto("04.12.1999", 0, 10, "3"), "3");
  EXPECT_EQ(TestoConTasto("0è12", 1, 1, "4"), "0412");
  EXPECT_EQ(TestoConTasto("04", 9, 3, "."), "04.");
  for (const char* t : {"04.", "04.12.", "04.12.1999", "0412"}) EXPECT_TRUE(TestoDataAmmesso(t)) << t;
  for (const char* t : {".", "0.", "04..", "04.1.", "04a", "04.12.19990"})
    EXPECT_FALSE(TestoDataAmmesso(t)) << t;
  EXPECT_EQ(ValutaTestoCasella("95"), TastoCasella::FuoriIntervallo);
  EXPECT_EQ(ValutaTestoCasella("00"), TastoCasella::FuoriIntervallo);
  EXPECT_EQ(ValutaTestoCasella("5a"), TastoCasella::Rifiutato);
  EXPECT_EQ(CambioTestoCasella("07").testo, "7");
  EXPECT_FALSE(CasellaValida("0"));
}

TEST(ViewTexts, DateIndexAndSuperEnalottoLine) {
  // FIRENZE 10 second 33, MILANO 33 second 10: the next untaken number of the
  // wheel replaces a taken one, so MILANO gives its third number, 60.
  const Archivio a = CostruisciArchivio(
      {prova::Fai({5, 1, 1999}, {{10, 1, 2, 3, 4}, {}, {10, 33, 5, 6, 7}, {}, {33, 10, 60, 8, 9},
                                 {40, 1, 2, 3, 4}, {50, 1, 2, 3, 4}, {0, 0, 0, 0, 0}, {}, {70, 1, 2, 3, 4}})});
  EXPECT_EQ(TestoData(a, 1), "5.1.1999 (Mar)");
  EXPECT_EQ(TestoIndice(3067, 3070), "3067 / 3070");
  EXPECT_EQ(TestoSuperEnalotto(a, 1), "Colonna SuperEnalotto  :  10 - 33 - 40 - 50 - 60 - Jolly 70");
  EXPECT_EQ(TestoUltimaEstrazione(a, 1), "Ultima Estrazione : 1 - Martedì  5 Gennaio 1999");
}
