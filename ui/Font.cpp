#include "ui/Font.h"

#include <QFontDatabase>

namespace ui {

QFont FontRapporto(double punti) {
  // Asking for a family that is missing lets the font matcher substitute
  // whatever it likes, a proportional face among them: the family is asked
  // for only when it is really there.
  const QString chiesta = QStringLiteral("Courier New");
  QFont f;
  if (QFontDatabase::hasFamily(chiesta))
    f.setFamily(chiesta);
  else
    f.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
  f.setStyleHint(QFont::TypeWriter);
  if (punti > 0) f.setPointSizeF(punti);
  return f;
}

}  // namespace ui
