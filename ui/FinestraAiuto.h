// The help window: shows the program's help page of a topic number
// (help/<topic>.html in the program folder), one window for the program.
#pragma once

#include <QTextBrowser>

namespace ui {

class FinestraAiuto : public QTextBrowser {
  Q_OBJECT

 public:
  // Shows (creating it on first use) the help window on a topic.
  static FinestraAiuto* Mostra(const QString& cartellaProgramma, int argomento);
  // The file of a topic: <cartella>/help/<argomento>.html.
  static QString FileArgomento(const QString& cartellaProgramma, int argomento);

 private:
  FinestraAiuto();
};

}  // namespace ui
