// The font of the report panes and of the lists whose columns are lined up
// with blanks.
#pragma once

#include <QFont>

namespace ui {

// "Courier New" when that family is installed; otherwise the system's fixed
// font, never a proportional face chosen by a fallback. `punti` > 0 sets the
// size in points; 0 leaves it unset, so that the widget keeps the size it
// inherits.
QFont FontRapporto(double punti = 0);

}  // namespace ui
