#include "ui/Italiano.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>
#include <utility>

namespace ui {
namespace {

// Qt's texts that its Italian catalog lacks: the type of a folder or drive
// in the file dialogs' type column.
class Integrazione : public QTranslator {
 public:
  using QTranslator::QTranslator;

  QString translate(const char* contesto, const char* testo, const char*, int) const override {
    static constexpr std::pair<const char*, const char*> kVoci[] = {
        {"Folder", "Cartella"}, {"Drive", "Unità"}, {"Unknown", "Sconosciuto"}};
    if (!contesto || std::strcmp(contesto, "QAbstractFileIconProvider") != 0) return QString();
    for (const auto& [inglese, italiano] : kVoci)
      if (std::strcmp(testo, inglese) == 0) return QString::fromUtf8(italiano);
    return QString();
  }
  bool isEmpty() const override { return false; }
};

}  // namespace

bool ImpostaItaliano() {
  const QLocale italiano(QLocale::Italian, QLocale::Italy);
  QLocale::setDefault(italiano);
  static QTranslator* traduzione = nullptr;
  static bool integrata = false;
  if (!integrata) {
    QCoreApplication::installTranslator(new Integrazione(QCoreApplication::instance()));
    integrata = true;
  }
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
