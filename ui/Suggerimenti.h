// Qt's tooltip as the program shows it: the tip's size, its place beside the
// point it is shown for and the lines it paints come from one layout of its
// text, made here rather than by Qt.
#pragma once

class QObject;

namespace ui {

// An event filter for the whole application that gives Qt's tooltip, once its
// label is plain text, the size, the place and the lines described at
// ImpostaTestoSemplice (ui/Testo.h), which installs it. A tip in another
// format is left to Qt. `padre` owns the filter.
QObject* FiltroSuggerimenti(QObject* padre);

}  // namespace ui
