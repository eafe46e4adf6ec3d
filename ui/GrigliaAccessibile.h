// What assistive technology sees of a ui::Griglia: a table with its header
// rows (the fixed rows), its row headers (the fixed columns), each cell's text
// and the current cell as the focus, through Qt's table interfaces.
//
// A cell's interface is made when a client asks for it and cached until the
// grid's shape or contents change, so a board of thousands of rows costs
// nothing while no client is listening.
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace ui {

class Griglia;

class GrigliaAccessibile : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit GrigliaAccessibile(Griglia* griglia);
  ~GrigliaAccessibile() override;

  // The factory installed with QAccessible::installFactory.
  static QAccessibleInterface* Fabbrica(const QString& classe, QObject* oggetto);

  // QAccessibleInterface: the children are every cell of the grid, fixed
  // ones included, row by row.
  int childCount() const override;
  QAccessibleInterface* child(int indice) const override;
  int indexOfChild(const QAccessibleInterface* figlio) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType tipo) override;

  // QAccessibleTableInterface: rows and columns of the body (below the header
  // rows, right of the row headers).
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int riga, int colonna) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int colonna) const override;
  QString rowDescription(int riga) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent* evento) override;

  // The interface of grid cell (r, c), fixed cells included; nullptr outside.
  QAccessibleInterface* cella(int r, int c) const;
  Griglia* griglia() const;

 private:
  void svuota();

  mutable QHash<qint64, QAccessible::Id> mCelle;
};

}  // namespace ui
