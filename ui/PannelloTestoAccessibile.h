// What assistive technology sees of a ui::PannelloTesto: a read-only,
// multi-line text with its caret and selection, through Qt's text interface.
//
// Offsets count the characters of the pane's whole text (its lines joined by
// "\n"). The pane makes its table of line offsets only when a client first
// asks, and a word, sentence or line at an offset is looked for in the line
// that holds it and its two neighbours, never in the whole report.
#pragma once

#include <QAccessibleWidget>

namespace ui {

class PannelloTesto;

class PannelloTestoAccessibile : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit PannelloTestoAccessibile(PannelloTesto* pannello);

  // The factory installed with QAccessible::installFactory.
  static QAccessibleInterface* Fabbrica(const QString& classe, QObject* oggetto);

  QAccessible::State state() const override;
  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType tipo) override;

  // QAccessibleTextInterface: one selection at most.
  void selection(int indice, int* inizio, int* fine) const override;
  int selectionCount() const override;
  void addSelection(int inizio, int fine) override;
  void removeSelection(int indice) override;
  void setSelection(int indice, int inizio, int fine) override;
  int cursorPosition() const override;
  void setCursorPosition(int posizione) override;
  QString text(int inizio, int fine) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType tipo, int* inizio,
                           int* fine) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType tipo, int* inizio,
                          int* fine) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType tipo, int* inizio,
                       int* fine) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& punto) const override;
  void scrollToSubstring(int inizio, int fine) override;
  QString attributes(int offset, int* inizio, int* fine) const override;

  PannelloTesto* pannello() const;

 private:
  // Before (-1), at (0) or after (1) the offset, by Qt's own rules applied to
  // the lines around it.
  QString vicino(int verso, int offset, QAccessible::TextBoundaryType tipo, int* inizio,
                 int* fine) const;
};

}  // namespace ui
