#include "ui/FinestraAiuto.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>

#include "ui/Servizi.h"

namespace ui {

FinestraAiuto::FinestraAiuto() {
  setAttribute(Qt::WA_DeleteOnClose);
  setOpenLinks(true);
  setOpenExternalLinks(true);
  resize(640, 520);
}

QString FinestraAiuto::FileArgomento(const QString& cartellaProgramma, int argomento) {
  return QDir(cartellaProgramma).filePath(QStringLiteral("help/%1.html").arg(argomento));
}

FinestraAiuto* FinestraAiuto::Mostra(const QString& cartellaProgramma, int argomento) {
  static QPointer<FinestraAiuto> finestra;
  if (!finestra) finestra = new FinestraAiuto;
  finestra->setWindowTitle(QStringLiteral("Guida di ") + servizi().titolo);
  const QString file = FileArgomento(cartellaProgramma, argomento);
  if (QFileInfo::exists(file)) {
    finestra->setSearchPaths({QFileInfo(file).absolutePath()});
    finestra->setSource(QUrl::fromLocalFile(file));
  } else {
    finestra->setHtml(QStringLiteral("<p>Pagina della guida non trovata: %1</p>").arg(file.toHtmlEscaped()));
  }
  finestra->show();
  finestra->raise();
  finestra->activateWindow();
  return finestra;
}

}  // namespace ui
