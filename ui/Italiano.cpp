#include "ui/Italiano.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool ImpostaItaliano() {
  const QLocale italiano(QLocale::Italian, QLocale::Italy);
  QLocale::setDefault(italiano);
  static QTranslator* traduzione = nullptr;
  if (traduzione) return true;
  auto* t = new QTranslator(QCoreApplication::instance());
  if (!t->load(italiano, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete t;
    return false;
  }
  QCoreApplication::installTranslator(t);
  traduzione = t;
  return true;
}

}  // namespace ui
