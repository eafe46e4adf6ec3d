// The help window: shows the program's help pages (help/ in the program
// folder), one window for the program, opened on the page of a topic number.
//
// A topic is the number a window gives F1 (its property "argomentoAiuto"):
// topics with a page of their own are help/<topic>.html; a tool described on
// the main page has a topic that leads to its paragraph there.
#pragma once

#include <QDialog>
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
  // A page or picture of the help: a local file is read as the program reads
  // its other files (a regular file of at most a few megabytes, never waited
  // on). A page that cannot be read is replaced by a short page that names it
  // and says why ("non trovata", or the reason); a picture that cannot be
  // read or decoded is left out, and so is a style sheet that cannot be read.
  // Qt never opens any of them by itself.
  QVariant loadResource(int tipo, const QUrl& nome) override;

 protected:
  void doSetSource(const QUrl& indirizzo, QTextDocument::ResourceType tipo) override;
  bool focusNextPrevChild(bool avanti) override;

 private:
  void notificaCursore();
  void cambioPagina(const QUrl& indirizzo);

  QUrl mPagina;  // the page shown, without its anchor
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
