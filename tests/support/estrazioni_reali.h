// Test helpers: the real draws, which the project carries in data/, and
// archives built in the test.
#pragma once

#include <gtest/gtest.h>

#include "support/estrazioni_csv.h"

// A test on the real draws fails, rather than skips, when they cannot be read.
#define RICHIEDE_ESTRAZIONI_REALI()                                                         \
  do {                                                                                     \
    ASSERT_FALSE(prova::TutteLeEstrazioni().empty())                                       \
        << "estrazioni reali illeggibili: " << prova::PercorsoEstrazioni();                \
  } while (0)
