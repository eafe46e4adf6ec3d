// The program speaks Italian whatever the system's locale: Qt's own texts
// (file dialogs, their overwrite question, the calendar, the context menus of
// text fields) come from Qt's Italian translation, completed by ours where
// it lacks them (the file dialogs' type of a folder), and Italian is the
// default locale of every widget.
#pragma once

namespace ui {

// Installs Qt's Italian translation (when the system has it), our texts that
// complete it and the Italian locale; REQUIRES: a QCoreApplication. Returns
// whether Qt's translation was found; without it most of Qt's texts stay in
// English and nothing else changes.
bool ImpostaItaliano();

}  // namespace ui
