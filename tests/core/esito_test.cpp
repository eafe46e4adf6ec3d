#include "core/esito.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

// A value taken from a refusal is a programming error: a Debug build stops
// there and names the reason, instead of reading a value that is not there.
TEST(ResultDeathTest, ADebugBuildStopsOnTheValueOfARefusalAndNamesTheReason) {
#ifdef NDEBUG
  GTEST_SKIP() << "controlli solo nella build Debug";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Risultato<std::string> rifiuto = Risultato<std::string>::Errore("file troppo grande");
  EXPECT_DEATH((void)*rifiuto, "Risultato senza valore: file troppo grande");
  EXPECT_DEATH((void)rifiuto->size(), "Risultato senza valore: file troppo grande");
  EXPECT_DEATH((void)std::move(rifiuto).prendi(), "Risultato senza valore: file troppo grande");
  EXPECT_DEATH((void)Esito::Ok().motivo(), "Esito::motivo");
  // The standard library checks its own values too.
  std::optional<int> vuoto;
  EXPECT_DEATH((void)*vuoto, "");
#endif
}
