// What assistive technology sees of a help page (ui::PaginaAiuto): a
// read-only document, named after the page's title, whose text it reads
// through Qt's text interface (lines as laid out on screen), and whose
// children are the page's links: each one a link with its text as name, an
// action that follows it and one that gives it the keyboard focus, and its
// target through the hyperlink interface.
//
// A link's interface is made when a client first asks for it and stands for
// the link at that place of whatever page is shown.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace ui {

class PaginaAiuto;

class PaginaAiutoAccessibile : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit PaginaAiutoAccessibile(PaginaAiuto* pagina);
  ~PaginaAiutoAccessibile() override;

  // The factory installed with QAccessible::installFactory.
  static QAccessibleInterface* Fabbrica(const QString& classe, QObject* oggetto);

  QAccessible::State state() const override;
  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType tipo) override;

  // The children are the links of the page, in document order.
  int childCount() const override;
  QAccessibleInterface* child(int indice) const override;
  int indexOfChild(const QAccessibleInterface* figlio) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // QAccessibleTextInterface: offsets count the characters of the page's
  // plain text; one selection at most.
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

  // The interface of link i; nullptr outside the page's links.
  QAccessibleInterface* collegamento(int i) const;
  PaginaAiuto* pagina() const;
  // A range of the page in screen coordinates.
  QRect rettangolo(int inizio, int fine) const;

 private:
  // The laid-out line holding offset (verso 0), the one before it (-1) or
  // after it (1); empty with -1 offsets when there is none.
  QString riga(int verso, int offset, int* inizio, int* fine) const;

  mutable QHash<int, QAccessible::Id> mCollegamenti;
};

}  // namespace ui
