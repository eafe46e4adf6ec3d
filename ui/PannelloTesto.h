// PannelloTesto: the read-only pane in which the tools show their reports.
//
// It keeps the report as the model gives it (UTF-8 bytes, lines ended by
// CR LF, LF or CR) with the place of each line, and paints only the lines in
// view: showing half a million lines costs one pass over the bytes, and no
// object is made per line. Each line in view becomes a QString while it is
// painted. The horizontal range reaches the end of the longest lines (a few
// of those with the most characters are measured) and of every line that has
// been in view; no other line is measured, so the cost is the same in any
// font.
//
// What a reader of a report expects of it: a caret that the arrows, PageUp
// and PageDown, Home and End (with Ctrl: the start and the end of the text)
// move, the view following it; Shift with those keys and the mouse select;
// Ctrl+A selects everything, Ctrl+C copies the selection, and the context
// menu offers "Copia" and "Seleziona tutto"; the wheel scrolls. Assistive
// technology reads the text through PannelloTestoAccessibile.
//
// A place in the text is a line and a column; columns count the UTF-16 units
// of the line's text (riga()), offsets count them over the whole text
// (testo(): the lines joined by "\n").
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

namespace ui {

class PannelloTesto : public QAbstractScrollArea {
  Q_OBJECT

 public:
  struct Posizione {
    int riga = 0;
    int colonna = 0;
    auto operator<=>(const Posizione&) const = default;
  };

  explicit PannelloTesto(QWidget* parent = nullptr);

  // Shows a text (UTF-8; lines ended by CR LF, LF or CR). A text that ends
  // with a line break ends with an empty line, as in an editor. The caret
  // goes to the start, the selection is cleared, the first line comes into view.
  void setTesto(std::string testo);
  // Shows the lines, each followed by a line break.
  void setRighe(const std::vector<std::string>& righe);
  void clear() { setTesto(std::string()); }

  // Lines held: at least one (an empty text is one empty line).
  int righe() const { return static_cast<int>(mRighe.size()); }
  // Line r without its line break; empty outside the text.
  QString riga(int r) const;
  // The whole text, lines joined by "\n".
  QString testo() const;
  bool isEmpty() const { return mTesto.empty(); }

  // The caret and the selection, which runs from the anchor to the caret.
  Posizione cursore() const { return mCursore; }
  Posizione ancora() const { return mAncora; }
  bool haSelezione() const { return mCursore != mAncora; }
  // Moves the caret (clamped into the text) and brings it into view; the
  // anchor follows unless the selection is extended.
  void setCursore(Posizione p, bool estendi = false);
  void seleziona(Posizione da, Posizione a);
  void selezionaTutto();
  QString testoSelezionato() const;
  // Puts the selection on the clipboard; nothing when there is none.
  void copia();

  // The text between two places (in either order), lines joined by "\n".
  QString testoTra(Posizione da, Posizione a) const;
  // Offsets over testo(). The table of line offsets is made on first use
  // (assistive technology asks for it) and dropped with the text.
  qsizetype offset(Posizione p) const;
  Posizione posizione(qsizetype offset) const;
  qsizetype caratteri() const { return offset(fine()); }
  // The place at the end of the text.
  Posizione fine() const;

  // The character box at a place, in viewport coordinates.
  QRect rettangolo(Posizione p) const;
  // The place nearest to a viewport point.
  Posizione posizioneIn(const QPoint& punto) const;
  // Scrolls as little as needed to bring a place into view.
  void mostra(Posizione p);
  // The first line in view.
  int primaRigaVisibile() const;

  // The room the pane asks for: `colonne` characters of its font across (or
  // its widest line, when wider) and `righe` lines down, beside its scroll
  // bar (80 by 25 unless set).
  void setMisura(int colonne, int righe);
  QSize sizeHint() const override;

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void changeEvent(QEvent* e) override;

 private:
  struct Riga {
    std::size_t inizio;  // byte offsets in mTesto, line break excluded
    std::size_t fine;
  };

  void dividi();
  void misura();
  void misuraVisibili();
  void aggiornaBarre();
  int altezzaRiga() const;
  int righeIntere() const;
  Posizione limitata(Posizione p) const;
  double xDi(const QString& riga, int colonna) const;
  int colonnaA(const QString& riga, double x) const;
  void annunciaCursore();

  std::string mTesto;
  std::vector<Riga> mRighe;
  int mMassimoCaratteri = 0;  // characters of the longest line
  int mLarghezza = 0;         // pixels of the widest line measured
  Posizione mCursore;
  Posizione mAncora;
  double mXVoluto = -1;  // where Up and Down keep the caret; -1: where it is
  bool mTrascina = false;
  mutable std::vector<qsizetype> mOffset;  // offset of each line's start, made on request
  int mColonneVolute = 80;
  int mRigheVolute = 25;
};

}  // namespace ui
