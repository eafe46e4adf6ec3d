// Names that assistive technology reads for a window's controls.
//
// Every control a user can reach carries the name of its caption or of its
// label, without the "&" that marks a mnemonic. Qt derives most names itself
// (a button from its caption, a field from the label whose buddy it is); the
// walker below fills in the ones it leaves empty or wrong, and a window names
// by hand only the controls that have neither caption nor label.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// A caption as read aloud: "&Salva" -> "Salva", "&Aggiungi al &Gruppo" ->
// "Aggiungi al Gruppo", "Rit && Pre" -> "Rit & Pre".
QString SenzaTasti(const QString& caption);

// Names every control inside `finestra` (not `finestra` itself) that has no
// accessible name yet, from the first of: the label whose buddy it is, its
// caption (buttons), its tooltip, its placeholder text; and every titled
// frame by its own title (Qt reads a frame inside a frame by the outer one's
// title). A name Qt already derives the same way is left to Qt, so that it
// follows later changes of the caption; names set by hand are kept. Call once,
// when the window is built.
void DaiNomi(QWidget* finestra);

// Makes the frame of each tool window in the host say the name its window
// was given (ui::Nomina) as written: Qt's own drops every "[*]" of the title.
// Calling it again does nothing.
void NominaCornici();

}  // namespace ui
