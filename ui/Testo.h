// Conversions between the model's UTF-8 texts and Qt strings, the rule for
// numbers read from text boxes, and the rule that text is shown as written:
// Qt guesses markup in the text of a label or a tooltip ("<b>", "&lt;",
// "<img src=…>", whose picture it would load), a menu item takes "&" as its
// mnemonic and a title "[*]" as the modified mark, while names, lines and
// pasted text must read as they are.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

class QComboBox;
class QFontMetrics;
class QWidget;

namespace ui {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string S(const QString& s) { return s.toStdString(); }

// The number the text starts with (leading blanks skipped, optional sign),
// 0 when it starts with none; saturates instead of overflowing.
long long NumeroIniziale(const QString& testo);

// The width in pixels a drop-down list needs to show the widest of the texts
// whole, in its own font and style.
int LarghezzaLista(const QComboBox* lista, const QStringList& testi);

// Makes every label of the application plain text from before it is first
// shown, Qt's own (in input boxes, file dialogs and the tooltip) included. A
// tooltip shows its text on one line or, wider than the screen, wrapped at
// the screen's width, and lies wholly on its screen below or above the point
// it is shown for, never over it (Qt hides a tip that comes under the
// pointer); where it fits on neither side it takes the roomier one and shows
// the whole lines that fit there, the last ending in "…".
// REQUIRES: a QApplication. Calling it again does nothing.
void ImpostaTestoSemplice();
// Sets a widget's tooltip (and what a screen reader says of it) to a text
// shown as written: the tooltip's label is plain text (ImpostaTestoSemplice).
// An empty text removes the tooltip.
void SuggerimentoSemplice(QWidget* w, const QString& testo);

// Gives a window the name of what it shows (a method's, say). The title shows
// it on one line (SuUnaRiga), "[*]" included, which Qt would take as the
// place of the modified mark; the window menu (VoceMenu), what a screen
// reader says of the window, the summaries, file names and print jobs made
// from it ask Nome(): nothing reads the title back.
void Nomina(QWidget* finestra, const QString& nome);
// The name given with Nomina; empty when none was.
QString Nome(const QWidget* finestra);
// A name as a title or a menu item shows it: each tab or line break one blank.
QString SuUnaRiga(QString testo);
// The caption of a window's item in the window menu: its name on one line,
// each "&" kept, losing its middle to "…" where it is wider than `larghezza`
// pixels in the menu's font `fm`.
QString VoceMenu(const QWidget* finestra, const QFontMetrics& fm, int larghezza);

}  // namespace ui
