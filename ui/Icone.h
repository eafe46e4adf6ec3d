// The program's own pictures, drawn at run time: toolbar keys, the help and
// web pictures, the arrows of the first/last buttons, the start-up picture.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace ui {

// A toolbar picture: a coloured tile with a short mark of the tool.
QIcon IconaStrumento(const QString& chiave);
// Arrow pictures of the first (sinistra) and last draw buttons.
QIcon IconaFreccia(bool sinistra);
QPixmap ImmagineAiuto();
// The program's icon, which every window shows.
QIcon IconaProgramma();
QPixmap ImmagineWeb();
// The start-up picture: the title over a row of drawn balls, with a line
// of text below them.
QPixmap ImmagineAvvio(const QString& titolo, const QString& sotto = QString());

}  // namespace ui
