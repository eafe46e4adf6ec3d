#include "archive/ultime_cento.h"

#include <gtest/gtest.h>

#include "support/estrazioni_reali.h"

using namespace Estrazioni;

TEST(LastHundred, RowsEndWithTheLastDraw) {
  struct Caso {
    int tot, riga, estrazione;
  } casi[] = {{100, 1, 1}, {100, 100, 100}, {3067, 1, 2968}, {3067, 100, 3067},
              {3, 97, 0},  {3, 98, 1},      {3, 100, 3},     {1, 99, 0}};
  for (const Caso& c : casi) {
    SCOPED_TRACE(testing::Message() << c.tot << " riga " << c.riga);
    EXPECT_EQ(EstrazioneRiga(c.tot, c.riga), c.estrazione);
  }
  const Archivio a = CostruisciArchivio({prova::Fai({4, 1, 2000}, {{5, 12}, {}, {}, {}, {}, {}, {}, {}, {}, {1, 2, 3, 4, 90}})});
  EXPECT_EQ(CellaUltime(a, 1, 1), "5");
  EXPECT_EQ(CellaUltime(a, 1, 3), "0");
  EXPECT_EQ(CellaUltime(a, 1, 50), "90");
  EXPECT_EQ(CellaUltime(a, 1, 46), "1");
  EXPECT_EQ(CellaUltime(a, 0, 1), "");
}
