// Typing into a window's text box in window tests.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace prova {

// Sends the text key by key as a keyboard types it (accented letters
// included), so that the box's key filter sees every character.
inline void Digita(QWidget* w, const QString& testo) {
  for (QChar c : testo) {
    QKeyEvent premuto(QEvent::KeyPress, c == QLatin1Char('.') ? Qt::Key_Period : 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &premuto);
  }
}

}  // namespace prova
