// Test helpers: the real draws (skipping a test when the file is absent) and
// archives built in the test.
#pragma once

#include <gtest/gtest.h>

#include "support/estrazioni_csv.h"

#define RICHIEDE_ESTRAZIONI_REALI()                                               \
  do {                                                                           \
    if (prova::TutteLeEstrazioni().empty())                                      \
      GTEST_SKIP() << "file delle estrazioni reali assente: " << prova::PercorsoEstrazioni(); \
  } while (0)
