// The help window: shows the program's help pages (help/ in the program
// folder), one window for the program, opened on the page of a topic number.
//
// A topic is the number a window gives F1 (its property "argomentoAiuto"):
// topics with a page of their own are help/<topic>.html; a tool described on
// the main page has a topic that leads to its paragraph there.
#pragma once

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QList>
#include <QTextBrowser>
#include <QUrl>

namespace ui {

// The page of a topic, relative to the help folder: "<topic>.html", or
// "10000.html#anchor" for a tool described on the main page.
QString PaginaArgomento(int argomento);

// A link of a help page: the characters it covers and its target as written.
struct Collegamento {
  int inizio = 0;
  int fine = 0;  // one past its last character
  QString indirizzo;
};

// The help page: a read-only document that the keyboard can read (Tab and
// Shift+Tab move between its links, Return follows one, the arrows move a
// caret through the text, Alt+Left and Alt+Right go back and forward).
// Assistive technology sees it as a document whose children are its links
// (PaginaAiutoAccessibile).
class PaginaAiuto : public QTextBrowser {
  Q_OBJECT

 public:
  explicit PaginaAiuto(QWidget* parent = nullptr);

  // The links of the shown page, in document order.
  QList<Collegamento> collegamenti() const;
  // Follows link i of the page, as Return on it does.
  void segui(int i);
  // Gives link i the keyboard focus, as Tab does.
  void evidenzia(int i);
  // A page, style sheet or picture of the help: a local file is read as the
  // program reads its other files (a regular file of at most a few megabytes,
  // never waited on), and a "data:" address gives the bytes it carries. Any
  // other address (http:, ftp:, ...) is not read at all. A page that cannot be
  // read is replaced by a short page that names it and says why ("non
  // trovata", or the reason); a style sheet that cannot be read is empty; a
  // picture that cannot be read or decoded is left out (a transparent dot).
  // Qt never opens any of them by itself.
  //
  // A picture is read and decided once a page: a file named again, with
  // another query or anchor too, is the picture already decided. A page has
  // two budgets for its pictures, both afresh with each page read: what it
  // keeps (kMemoriaImmagini) and what it reads and decodes
  // (kDecodificaPagina). A picture is decoded only when its header gives its
  // size, and only when, counted at that size and at least 4 bytes a pixel,
  // its decoding takes at most kDecodificaImmagine bytes and what is left of
  // the page's decoding, and what is kept of it fits in what the page's
  // pictures may still keep. A picture larger than the screen is kept scaled
  // down to fit it, keeping its proportions, any other as it is. The page is
  // charged what is kept, and its decoding budget is charged each picture's
  // bytes (at least kLetturaMinima, even for a file that cannot be read) and
  // each decoding at its declared size, whatever comes of it. A picture file
  // larger than what is left is not read; once less than kLetturaMinima is
  // left, no further picture file is opened at all. The decoder may allocate
  // no more than the header declared (to the megabyte), and a picture that
  // decodes to another size is left out: a GIF whose screen dwarfs its
  // frames, an icon that holds a larger picture than its directory says. So a
  // decoding bomb, one picture named many times or by many names, or many
  // pictures that declare a large size, cost a page little time and memory.
  QVariant loadResource(int tipo, const QUrl& nome) override;
  static constexpr qint64 kMemoriaImmagini = qint64(128) << 20;    // 32 megapixels kept
  static constexpr qint64 kDecodificaImmagine = qint64(64) << 20;  // 16 megapixels decoded
  // A dozen full-HD pictures, whatever their files (8 MiB at most each):
  // 12 × (7.9 MiB decoded + 8 MiB read) = 191 MiB. At most 64 megapixels
  // decoded a page, and at most 4096 picture files opened.
  static constexpr qint64 kDecodificaPagina = qint64(256) << 20;
  static constexpr qint64 kLetturaMinima = qint64(64) << 10;  // the least a picture costs it

 protected:
  void doSetSource(const QUrl& indirizzo, QTextDocument::ResourceType tipo) override;
  bool focusNextPrevChild(bool avanti) override;

 private:
  void notificaCursore();
  void cambioPagina(const QUrl& indirizzo);
  // The picture the window keeps for the bytes of one, or a transparent dot.
  QImage immagine(const QByteArray& dati);

  QUrl mPagina;  // the page shown, without its anchor
  // What the page's pictures may still keep, and still read and decode.
  qint64 mMemoriaImmagini = kMemoriaImmagini;
  qint64 mDecodifica = kDecodificaPagina;
  QHash<QUrl, QImage> mImmagini;  // the page's pictures, by file (or address)
};

class FinestraAiuto : public QDialog {
  Q_OBJECT

 public:
  // Shows (creating it on first use) the help window on a topic. Esc, or the
  // close box, closes it.
  static FinestraAiuto* Mostra(const QString& cartellaProgramma, int argomento);
  // The page of a topic as a file URL under <cartellaProgramma>/help, with
  // the anchor of its paragraph where it has one.
  static QUrl IndirizzoArgomento(const QString& cartellaProgramma, int argomento);

  PaginaAiuto* pagina() const { return mPagina; }

 private:
  FinestraAiuto();

  PaginaAiuto* mPagina;
};

}  // namespace ui
