// Saving and printing the text reports of the tool windows.
//
// The model builds a report's lines (UTF-8) or its file bytes; these helpers
// only ask the user and hand the result to the disk or the printer, so that
// every tool saves and prints the same way.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Servizi.h"

class QWidget;

namespace ui {

// Asks for a file with the save dialog `d` and writes `bytes` there through
// an atomic write. Returns the chosen path; an empty path when the dialog was
// cancelled (nothing said) or the write failed (the reason shown in a
// critical box, the old file left as it was).
QString SalvaFile(QWidget* padre, const DialogoFile& d, std::string_view bytes);

// The same for a report's lines: each in Windows-1252 followed by CR LF.
QString SalvaRighe(QWidget* padre, const DialogoFile& d, const std::vector<std::string>& righe);

// The lines of a report text (CR LF, LF or CR ends), as the printer takes them.
QStringList RigheTesto(std::string_view utf8);

// Prints the lines in Courier 10, paginated, as a job named after the window
// `padre` (the application title when it has none). A line too wide for the
// paper shrinks the font or goes on over the next line (Impaginazione.h).
// With no printer installed it shows "NESSUNA STAMPANTE INSTALLATA " and
// prints nothing; a failed print shows its reason. Returns true when the
// lines were printed.
bool StampaRighe(QWidget* padre, const QStringList& righe);

}  // namespace ui
