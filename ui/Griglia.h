// Griglia: the program's grid, in the manner of the classic flex grid the
// windows were designed around: fixed header rows and columns that stay in
// view, text, colours and alignment per cell, column widths and row heights in
// twips, rows merged over equal neighbouring cells, a current cell, the cell
// under the mouse, a top row and left column, and a sort of rows.
//
// It paints its own cells from flat vectors, so filling thousands of rows
// costs only the writes: nothing is laid out or created per cell, and the
// grid repaints once when control returns to the event loop. setRedraw(false)
// suspends painting altogether while a window refills it.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QString>
#include <vector>

namespace ui {

class Griglia : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit Griglia(QWidget* parent = nullptr);

  // Shape. Growing keeps the cells; shrinking drops the cells outside.
  int rows() const { return mRighe; }
  void setRows(int n);
  int cols() const { return mColonne; }
  void setCols(int n);
  int fixedRows() const { return mRigheFisse; }
  void setFixedRows(int n);
  int fixedCols() const { return mColonneFisse; }
  void setFixedCols(int n);

  // Texts. Out-of-range cells read as empty and ignore writes.
  QString textMatrix(int r, int c) const;
  void setTextMatrix(int r, int c, const QString& testo);
  // Empties every text and resets every cell colour and alignment.
  void clear();
  // Appends a row; its texts are the tab-separated parts, from column 0.
  void addItem(const QString& testi = QString());
  // Removes row r (never below the fixed rows plus one).
  void removeItem(int r);
  // "<text|^text|>text": one column per part; "<" left, "^" centre, ">" right
  // aligns the column; the text is the column's header in row 0 and its width.
  void setFormatString(const QString& formato);

  // Colours: a cell colour overrides the grid's default body colours; an
  // invalid QColor puts the default back.
  void setCellBackColor(int r, int c, const QColor& colore);
  void setCellForeColor(int r, int c, const QColor& colore);
  QColor cellBackColor(int r, int c) const;  // as painted
  QColor cellForeColor(int r, int c) const;
  void setBackColor(const QColor& colore);
  void setForeColor(const QColor& colore);
  void setBackColorFixed(const QColor& colore);

  // Alignment: a cell alignment overrides its column's.
  void setColAlignment(int c, Qt::Alignment allineamento);
  void setCellAlignment(int r, int c, Qt::Alignment allineamento);
  Qt::Alignment cellAlignment(int r, int c) const;

  // Sizes in twips.
  void setColWidth(int c, int twip);
  int colWidth(int c) const;
  // The width in twips that shows the widest text of column c whole.
  int larghezzaTesti(int c) const;
  // Widens every column that is narrower than its widest text.
  void allargaColonne();
  void setRowHeight(int r, int twip);
  int rowHeight(int r) const;

  // Rows whose equal neighbouring texts are painted as one merged cell.
  void setMergeRow(int r, bool unisci);
  bool mergeRow(int r) const;

  // Current cell (always a body cell), cell under the mouse at the last
  // press, and the first body row and column in view.
  int row() const { return mRiga; }
  int col() const { return mColonna; }
  void setRow(int r);
  void setCol(int c);
  int mouseRow() const { return mRigaMouse; }
  int mouseCol() const { return mColonnaMouse; }
  int topRow() const;
  void setTopRow(int r);
  int leftCol() const;
  void setLeftCol(int c);

  // Sorts rows primo..ultimo on column c: two numbers compare as numbers,
  // a number comes before a text, texts compare as texts; equal keys keep
  // their order. Colours and alignments move with their rows.
  void sortRows(int primo, int ultimo, int c, bool crescente);

  // Suspends (false) and resumes (true) painting.
  void setRedraw(bool ridisegna);

  // The cell's rectangle in viewport coordinates; null when not in view.
  QRect cellRect(int r, int c) const;
  // The cell at a viewport point; false outside the cells.
  bool cellAt(const QPoint& punto, int* r, int* c) const;

  // The whole grid in view: every column and row, with room for the bar
  // that scrolls it.
  QSize sizeHint() const override;

 signals:
  void click();
  void dblClick();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void changeEvent(QEvent* e) override;

 private:
  struct Cella {
    QString testo;
    QRgb sfondo = 0;  // 0: the grid's default
    QRgb inchiostro = 0;
    int allineamento = 0;  // 0: the column's
  };

  bool valida(int r, int c) const { return r >= 0 && r < mRighe && c >= 0 && c < mColonne; }
  Cella& cella(int r, int c) { return mCelle[static_cast<std::size_t>(r) * mColonne + c]; }
  const Cella& cella(int r, int c) const { return mCelle[static_cast<std::size_t>(r) * mColonne + c]; }
  int larghezzaPx(int c) const;
  int altezzaPx(int r) const;
  int altezzaPredefinita() const;
  int primaRigaMassima() const;
  int primaColonnaMassima() const;
  void aggiornaBarre();
  void ridisegna();
  void mostraCella(int r, int c);
  void ridimensiona(int righe, int colonne);
  void disegnaCella(QPainter& p, const QRect& rett, int r, int c, bool fissa) const;
  // Tells a listening accessibility client, once per turn of the event loop,
  // that the table changed and which cell is current.
  void annuncia();

  int mRighe = 2;
  int mColonne = 2;
  int mRigheFisse = 1;
  int mColonneFisse = 1;
  std::vector<Cella> mCelle;
  std::vector<int> mLarghezze;    // twips, -1 default
  std::vector<int> mAltezze;      // twips, -1 default
  std::vector<int> mAllineamentiColonna;
  std::vector<char> mRigheUnite;
  QColor mSfondo = Qt::white;
  QColor mInchiostro = Qt::black;
  QColor mSfondoFisso = QColor(0xE0, 0xE0, 0xE0);
  int mRiga = 1;
  int mColonna = 1;
  int mRigaMouse = 0;
  int mColonnaMouse = 0;
  bool mRidisegna = true;
  bool mPremuto = false;
  bool mAnnuncioInSospeso = false;
};

}  // namespace ui
