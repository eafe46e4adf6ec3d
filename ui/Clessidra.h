// The hourglass pointer for the lifetime of the object.
#pragma once

#include <QApplication>
#include <QCursor>

namespace ui {

class Clessidra {
 public:
  Clessidra() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~Clessidra() { QApplication::restoreOverrideCursor(); }
  Clessidra(const Clessidra&) = delete;
  Clessidra& operator=(const Clessidra&) = delete;
};

}  // namespace ui
