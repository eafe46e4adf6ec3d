// The program speaks Italian whatever the system's locale: Qt's own texts
// (file dialogs, their overwrite question, the calendar, the context menus of
// text fields) come from Qt's Italian translation, and Italian is the default
// locale of every widget.
#pragma once

namespace ui {

// Installs Qt's Italian translation (when the system has it) and the Italian
// locale; REQUIRES: a QCoreApplication. Returns whether the translation was
// found; without it Qt's texts stay in English and nothing else changes.
bool ImpostaItaliano();

}  // namespace ui
