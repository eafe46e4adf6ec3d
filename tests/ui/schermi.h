// Window-test helper: the test screens the offscreen platform is given, and
// the main window laid over one of them.
#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace prova {

// One of the test screens that main_test.cpp gives the offscreen platform;
// null on a platform without it (a real display).
inline QScreen* Schermo(const char* nome) {
  for (QScreen* s : QGuiApplication::screens())
    if (s->name() == QLatin1String(nome)) return s;
  return nullptr;
}

// Skips the test when the platform lacks the test screen: there is nothing
// to measure against.
#define RICHIEDE_SCHERMO(nome)                                     \
  do {                                                             \
    if (!prova::Schermo(nome)) GTEST_SKIP() << "no test screen " << nome; \
  } while (0)

// The main window filling a screen (a test screen: RICHIEDE_SCHERMO).
inline QRect SulloSchermo(QWidget& principale, QScreen* s) {
  principale.setScreen(s);
  principale.setGeometry(s->availableGeometry());
  QTest::qWait(1);
  return s->availableGeometry();
}

}  // namespace prova
